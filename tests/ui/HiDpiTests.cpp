// Protects the drawing on high-density screens (run at ratios 1, 1.5 and 2): pieces
// at whole multiples of their size with their background around them, solid frame
// and panel edges, and picture windows scaled without smoothing.
#include <cmath>
#include <memory>

#include <QTest>

#include "UiTestGroups.h"
#include "UiTestSupport.h"

namespace gelumpa::test {

namespace {
int device(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

bool solid(QRgb pixel)
{
    return pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255);
}
} // namespace

class HiDpiTests : public MainWindowTestGroup {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(showFreshWindow());
    }
    void cleanup() { mainWindow.reset(); }

    void everyPieceIsDrawnAtAWholeMultipleOfItsPixelsWithItsBackgroundAround()
    {
        item("newGameItem").trigger();
        clickCell(*mainWindow, removableCell(mainWindow->game().gameState()));
        clickCell(*mainWindow, removableCell(mainWindow->game().gameState()));
        const GameState& state = mainWindow->game().gameState();
        const QPixmap grab = mainWindow->centralWidget()->grab();
        const qreal ratio = grab.devicePixelRatio();
        const QImage drawn = grab.toImage().convertToFormat(QImage::Format_RGB32);
        for (int i = 1; i <= cellCount; ++i) {
            const QRect logical = BoardView::cellRect(i).translated(24, 16);
            const QRect square(QPoint(device(logical.left(), ratio), device(logical.top(), ratio)),
                               QPoint(device(logical.left() + 32, ratio) - 1, device(logical.top() + 32, ratio) - 1));
            QImage piece;
            QRgb ground = qRgb(255, 255, 255);
            if (state.kind(i) != 0) {
                const PiecePicture& entry = mainWindow->pieces().entry(
                    state.kind(i), state.marked(i) != 0 ? PieceLook::Highlighted : PieceLook::Normal);
                piece = entry.pixmap.toImage().convertToFormat(QImage::Format_RGB32);
                ground = entry.background.rgb();
            }
            const int factor = std::max(1, std::min(square.width(), square.height()) / 32);
            const QPoint inset((square.width() - 32 * factor) / 2, (square.height() - 32 * factor) / 2);
            for (int y = square.top(); y <= square.bottom(); ++y) {
                for (int x = square.left(); x <= square.right(); ++x) {
                    const QPoint offset = QPoint(x, y) - square.topLeft() - inset;
                    const QPoint inPiece(offset.x() / factor, offset.y() / factor);
                    const bool onPiece = !piece.isNull() && offset.x() >= 0 && offset.y() >= 0 && inPiece.x() < 32
                        && inPiece.y() < 32;
                    const QRgb expected = onPiece ? piece.pixel(inPiece) : ground;
                    if ((drawn.pixel(x, y)) != (expected))
                        QFAIL(qPrintable(QStringLiteral("ratio %1, cell %2: device pixel %3,%4 differs")
                                             .arg(ratio)
                                             .arg(i)
                                             .arg(x)
                                             .arg(y)));
                }
            }
        }
    }

    void theFrameAndThePanelEdgesStaySolidBlackAndWhite()
    {
        const QPixmap grab = mainWindow->centralWidget()->grab();
        const qreal ratio = grab.devicePixelRatio();
        const QImage drawn = grab.toImage().convertToFormat(QImage::Format_RGB32);
        // A row and a column through the frame, and a row through the panel's edge.
        for (int x = 0; x < drawn.width(); ++x) {
            QVERIFY(solid(drawn.pixel(x, device(4, ratio))));
            QVERIFY(solid(drawn.pixel(x, device(8, ratio) + 1)));
        }
        for (int y = 0; y < device(352, ratio); ++y)
            QVERIFY(solid(drawn.pixel(device(20, ratio) - 2, y)));
        const int frameWidth = device(19, ratio) - device(16, ratio);
        QVERIFY(frameWidth >= std::floor(3 * ratio) && frameWidth <= std::ceil(3 * ratio));
    }

    void pictureWindowsScaleByWholePixelsWithoutSmoothing()
    {
        item("aboutItem").trigger();
        QWidget* about = shownWindows(QStringLiteral("About MyApp")).first();
        const QPixmap grab = about->grab();
        const qreal ratio = grab.devicePixelRatio();
        const QImage drawn = grab.toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(QStringLiteral(":/pictures/credits.png")).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                // The pixel comes from one source pixel near its place, never a blend.
                const int sx = static_cast<int>(x / ratio);
                const int sy = static_cast<int>(y / ratio);
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy)
                    for (int dx = -1; dx <= 1 && !found; ++dx)
                        found = picture.valid(sx + dx, sy + dy)
                            && picture.pixel(sx + dx, sy + dy) == drawn.pixel(x, y)
                            && (ratio != std::floor(ratio) || (dx == 0 && dy == 0));
                if (!found)
                    QFAIL(qPrintable(QStringLiteral("ratio %1: pixel %2,%3 is no source pixel").arg(ratio).arg(x).arg(y)));
            }
        }
    }
};

int runHiDpiTests(int argc, char** argv)
{
    HiDpiTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace gelumpa::test

#include "HiDpiTests.moc"
