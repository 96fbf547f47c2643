// The about window: the credits picture, filling the window.
#pragma once

#include "ui/PictureWindow.h"

namespace gelumpa {

class AboutWindow : public PictureWindow {
public:
    explicit AboutWindow(QWidget* owner)
        : PictureWindow(owner, QStringLiteral(":/pictures/credits.png"), QSize(363, 215), QStringLiteral("About MyApp"))
    {
    }
};

} // namespace gelumpa
