// The text of a number in the counter labels.
#include "core/NumberText.h"

namespace gelumpa {

std::string numberText(int value)
{
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace gelumpa
