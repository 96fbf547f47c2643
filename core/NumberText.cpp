// The text of a number in the counter labels.
#include "core/NumberText.h"

namespace gelumpa {

std::string numberText(int value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

} // namespace gelumpa
