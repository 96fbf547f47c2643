// The window's side of the sound output's timing. Loading SDL and connecting to a sound server
// keeps a processor busy for tens of milliseconds, opening a device for a few: neither should
// delay the first picture of the window, nor the picture of the click that plays a sound.
#include "ui/PictureBeforeSound.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "ui/WindowSystemWait.h"

namespace gelumpa {

namespace {
// Watches the widget's first paint, then hands the preparation to the event loop: it runs
// once the painted picture has gone to the window system.
class FirstPaint : public QObject {
public:
    FirstPaint(SoundOutput& output, QWidget& widget) : QObject(&widget), output(output) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                output.prepare();
                deleteLater();
            });
        }
        return false;
    }

private:
    SoundOutput& output;
};
} // namespace

void showPendingRepaints()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    waitForWindowSystem();
}

void prepareAfterFirstPaint(SoundOutput& output, QWidget& widget)
{
    widget.installEventFilter(new FirstPaint(output, widget));
}

} // namespace gelumpa
