// The questions the game asks and the picture windows beside the main window.
#pragma once

#include <string_view>

namespace gelumpa {

// The two picture windows beside the main window.
enum class Window { EndOfGame, About, Count };

// The player's answer to a question.
enum class Answer { Yes, No, Ok, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Modal questions without an icon: Yes or No, and Ok or Cancel.
    virtual Answer askYesNo(std::string_view prompt, std::string_view title) = 0;
    virtual Answer askOkCancel(std::string_view prompt, std::string_view title) = 0;

    // Creating makes the window unless it exists; showing is non-modal and brings it to
    // the front; closing a window that does not exist does nothing.
    virtual void createWindow(Window window) = 0;
    virtual void showWindow(Window window) = 0;
    virtual void closeWindow(Window window) = 0;
};

} // namespace gelumpa
