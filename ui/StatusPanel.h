// The black status panel with its seven labels; three of them (score, level and the
// marked group's size) are written by the game.
#pragma once

#include <array>

#include <QLabel>
#include <QWidget>

#include "core/BoardDisplay.h"
#include "core/EnumTable.h"

namespace gelumpa {

class StatusPanel : public QWidget {
public:
    explicit StatusPanel(QWidget* parent);

    QLabel& label(StatusLabel label);
    const QLabel& label(StatusLabel label) const;

private:
    // Indexed by StatusLabel.
    std::array<QLabel*, countOf<StatusLabel>> written{};
};

} // namespace gelumpa
