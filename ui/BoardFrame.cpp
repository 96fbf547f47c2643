// The board frame, drawn as four solid bars so it stays sharp at any screen scale.
#include "ui/BoardFrame.h"

#include <QPainter>

namespace gelumpa {

namespace {
constexpr int outline = 3;
} // namespace

BoardFrame::BoardFrame(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, outline, Qt::black);
    painter.fillRect(0, h - outline, w, outline, Qt::black);
    painter.fillRect(0, 0, outline, h, Qt::black);
    painter.fillRect(w - outline, 0, outline, h, Qt::black);
}

} // namespace gelumpa
