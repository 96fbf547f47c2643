// Picture1: the black status panel with its seven labels; three of them (scorelbl,
// levellbl, posisilbl) are written by the game.
#pragma once

#include <QLabel>
#include <QWidget>

#include "core/Toolkit.h"

namespace gelumpa {

class StatusPanel : public QWidget {
public:
    explicit StatusPanel(QWidget* parent);

    QLabel& label(Caption caption) const;

private:
    QLabel* scorelbl;
    QLabel* levellbl;
    QLabel* posisilbl;
};

} // namespace gelumpa
