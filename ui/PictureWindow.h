// A window that is one picture and nothing else: no title bar, no border, no icon,
// fixed size, and never the keys: they stay with the main window, so a keyboard player goes
// straight on with the menus and the board. A click anywhere on it asks for it to be closed.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace gelumpa {

class PictureWindow : public QWidget {
    Q_OBJECT

public:
    PictureWindow(QWidget* owner, const QString& picturePath, QSize size, const QString& title);

signals:
    // A left click on the window, or the window system closing it.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap picture;
    bool pressed = false;
};

} // namespace gelumpa
