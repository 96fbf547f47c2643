// The picture windows: a white ground with the picture at the top left, unscaled at
// ratio 1 and scaled by whole pixels, never smoothed, on a high-density screen.
#include "ui/PictureWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace gelumpa {

PictureWindow::PictureWindow(QWidget* owner, const QString& picturePath, QSize size, const QString& title)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), picture(picturePath)
{
    setWindowTitle(title);
    // A window with an owner shows the owner's icon unless it is given one of its own,
    // and an empty icon is one.
    setWindowIcon(QIcon());
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(QPoint(0, 0), picture);
}

void PictureWindow::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
}

void PictureWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed = false;
    if (click)
        emit closeRequested();
}

// The window's owner decides when it goes; a close from the window system (a key
// press of the window manager) is treated like a click.
void PictureWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}

} // namespace gelumpa
