// The rectangle drawn around the board, a 3 px black outline inside its
// bounds with no fill; it takes no clicks.
#pragma once

#include <QWidget>

namespace gelumpa {

class BoardFrame : public QWidget {
public:
    explicit BoardFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gelumpa
