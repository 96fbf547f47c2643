// The text of a number in the counter labels: its digits after one blank, the place of the sign.
#pragma once

#include <string>

namespace gelumpa {

std::string numberText(int value);

} // namespace gelumpa
