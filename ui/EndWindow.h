// The end-of-game window: the end picture on a white window 6 px wider than it.
#pragma once

#include "ui/PictureWindow.h"

namespace gelumpa {

class EndWindow : public PictureWindow {
public:
    explicit EndWindow(QWidget* owner)
        : PictureWindow(owner, QStringLiteral(":/pictures/end.png"), QSize(381, 241), QStringLiteral("Form2"))
    {
    }
};

} // namespace gelumpa
