// The about window: the credits picture, filling the window.
#pragma once

#include "ui/PictureWindow.h"

namespace gelumpa {

class AboutWindow : public PictureWindow {
public:
    explicit AboutWindow(QWidget* owner)
        : PictureWindow(owner, QStringLiteral(":/pictures/credits.png"), QSize(363, 215), QStringLiteral("About MyApp"))
    {
        // The credits as the picture shows them, for a screen reader.
        setAccessibleDescription(QStringLiteral("Gelumpa Dravenik 1.0. Written by the Orvane team. Tested by the Orvane "
                                                "testers. Dedicated to everyone who ever won a game by pure luck. "
                                                "Orvane 2003. www.orvane.example"));
    }
};

} // namespace gelumpa
