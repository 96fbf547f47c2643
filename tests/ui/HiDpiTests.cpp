// Protects the drawing at screen ratios 1, 1.5 and 2, measured in device pixels of the grab
// against sizes written down per ratio: pieces at whole multiples of 32 px with their
// background around them, the frame and the panel solid black with sharp edges at their
// places, and picture windows scaled without smoothing.
#include <array>
#include <cmath>
#include <vector>

#include <QTest>

#include "UiTestGroups.h"
#include "tests/support/MainWindowDriver.h"
#include "tests/support/PiecePicture.h"

namespace gelumpa::test {

namespace {
// What one ratio must show. The runs alternate white and black, white first, along four
// lines through the client area: down the column at logical x 20, between the frame's left bar
// and the board, as far as the panel; along the row at logical y 12, between the frame's top
// bar and the board; down the frame's and the panel's last column; along the panel's last row.
struct Screen {
    qreal ratio;
    int cellSide;
    int pieceSide;
    std::array<std::vector<int>, 4> lines;
};

const std::array screens{
    Screen{1, 32, 32, {{{8, 3, 331, 3, 7}, {16, 3, 331, 3, 14}, {8, 337, 7, 41, 5}, {16, 337, 14}}}},
    Screen{1.5, 48, 32, {{{12, 5, 496, 5, 10}, {24, 5, 496, 5, 21}, {12, 506, 10, 62, 7}, {24, 506, 21}}}},
    Screen{2, 64, 64, {{{16, 6, 662, 6, 14}, {32, 6, 662, 6, 28}, {16, 674, 14, 82, 10}, {32, 674, 28}}}},
};

const Screen* screenFor(qreal ratio)
{
    for (const Screen& screen : screens)
        if (screen.ratio == ratio)
            return &screen;
    return nullptr;
}

// The lengths of the runs of white and black along a line of at most `length` pixels, white
// first; empty when a pixel is neither.
std::vector<int> runs(const QImage& image, QPoint from, QPoint step, int length)
{
    std::vector<int> lengths{0};
    QRgb current = qRgb(255, 255, 255);
    for (QPoint p = from; image.valid(p) && length-- != 0; p += step) {
        const QRgb pixel = image.pixel(p);
        if (pixel != qRgb(255, 255, 255) && pixel != qRgb(0, 0, 0))
            return {};
        if (pixel != current) {
            lengths.push_back(0);
            current = pixel;
        }
        ++lengths.back();
    }
    return lengths;
}

// Where a cell of the board's grab differs from its piece picture, drawn at a whole multiple of
// its size in the middle of the cell on its ground; empty when it does not. A null piece is an
// empty cell.
QString cellMismatch(const QImage& drawn, const Screen& screen, int cell, const QImage& piece, QRgb ground)
{
    const QPoint corner((cell - 1) % 10 * screen.cellSide, (cell - 1) / 10 * screen.cellSide);
    const int factor = piece.isNull() ? 1 : screen.pieceSide / piece.width();
    const int inset = (screen.cellSide - screen.pieceSide) / 2;
    for (int y = 0; y < screen.cellSide; ++y)
        for (int x = 0; x < screen.cellSide; ++x) {
            const QPoint inPiece((x - inset) / factor, (y - inset) / factor);
            const bool onPiece = !piece.isNull() && x >= inset && y >= inset && piece.valid(inPiece);
            if (drawn.pixel(corner + QPoint(x, y)) != (onPiece ? piece.pixel(inPiece) : ground))
                return QStringLiteral("cell %1: its pixel %2,%3 differs").arg(cell).arg(x).arg(y);
        }
    return {};
}

QString listed(const std::vector<int>& lengths)
{
    QStringList texts;
    for (const int length : lengths)
        texts << QString::number(length);
    return texts.isEmpty() ? QStringLiteral("a grey pixel") : texts.join(QLatin1Char(' '));
}
} // namespace

class HiDpiTests : public MainWindowTestGroup {
    Q_OBJECT

    const Screen* screen = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(showFreshWindow());
        screen = screenFor(mainWindow->devicePixelRatioF());
        QVERIFY2(screen != nullptr, "run at ratio 1, 1.5 or 2");
    }
    void cleanupTestCase() { mainWindow.reset(); }

    void everyCellShowsItsPictureAtAWholeMultipleOf32PixelsCentredOnItsBackground()
    {
        item("newGameItem").trigger();
        const GameState& state = mainWindow->game().gameState();
        // A removal leaves empty cells, and a group marked after it shows on its blue ground.
        for (int click = 0; click < 3; ++click)
            clickCell(*mainWindow, removableCell(state));
        QVERIFY(state.selectionCount >= 2);
        const QImage drawn = mainWindow->board().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), QSize(10 * screen->cellSide, 10 * screen->cellSide));
        for (int i = 1; i <= cellCount; ++i) {
            const bool marked = state.marked(i) != 0;
            const QImage piece = state.kind(i) != 0 ? e2e::piecePicture(state.kind(i), marked) : QImage();
            const QString mismatch = cellMismatch(drawn, *screen, i, piece, marked ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

    // The colour-blind aid's shapes come drawn for twice the size: there they must be the
    // picture made for it, not the small one doubled, and the small one at every other ratio.
    void theSymbolPiecesShowTheirPictureMadeForTwiceTheSizeAtRatioTwo()
    {
        MainWindow symbols([] {}, PieceSet::WithSymbols);
        symbols.show();
        QVERIFY(QTest::qWaitForWindowExposed(&symbols));
        const QImage drawn = symbols.board().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage piece = e2e::piecePicture(1, false, true, screen->pieceSide == 64);
        const QRgb ground = piece.pixel(0, 0);
        for (int i = 1; i <= cellCount; ++i) {
            const QString mismatch = cellMismatch(drawn, *screen, i, piece, ground);
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

    void theFrameAndThePanelAreSolidBlackBarsOfTheirWidthsAtTheirPlaces()
    {
        const QImage drawn = grabClient(*mainWindow);
        const qreal r = screen->ratio;
        const auto device = [r](int logical) { return static_cast<int>(logical * r); };
        const std::array measured{
            runs(drawn, {device(20), 0}, {0, 1}, device(352)),
            runs(drawn, {0, device(12)}, {1, 0}, drawn.width()),
            runs(drawn, {device(352), 0}, {0, 1}, drawn.height()),
            runs(drawn, {0, device(392)}, {1, 0}, drawn.width()),
        };
        for (std::size_t i = 0; i < measured.size(); ++i)
            QVERIFY2(measured[i] == screen->lines[i], qPrintable(QStringLiteral("line %1: runs %2, expected %3")
                                                                     .arg(i + 1)
                                                                     .arg(listed(measured[i]), listed(screen->lines[i]))));
    }

    void pictureWindowsScaleByWholePixelsWithoutSmoothing()
    {
        item("aboutItem").trigger();
        QWidget* about = shownWindows(QStringLiteral("About MyApp")).first();
        const qreal ratio = screen->ratio;
        const QImage drawn = about->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
