// The colour-blind aid as a player starts it from the command line: the shapes on the balls.
#include "tests/support/BoardPicture.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/Waiting.h"

#include <QImage>

#include <array>

namespace e2e {
namespace {

// The option is given twice: once is the same.
class WithSymbols : public GameFixture {
protected:
    QStringList gameArguments() const override { return {QStringLiteral("--symbols"), QStringLiteral("--symbols")}; }
};

using SymbolPictures = std::array<QImage, 6>;

SymbolPictures symbolPictures(bool highlighted)
{
    SymbolPictures pictures;
    for (int kind = 1; kind <= 5; ++kind)
        pictures[static_cast<std::size_t>(kind)] =
            QImage(QStringLiteral(":/pieces/symbols/%1-%2.png").arg(highlighted ? "highlighted" : "normal").arg(kind))
                .convertToFormat(QImage::Format_RGB32);
    return pictures;
}

// The kind whose picture the cell shows pixel for pixel; 0 when it shows none of them.
int kindShown(const QImage& screen, QPoint corner, const SymbolPictures& pictures)
{
    for (int kind = 1; kind <= 5; ++kind) {
        const QImage& picture = pictures[static_cast<std::size_t>(kind)];
        bool same = true;
        for (int y = 0; same && y < pieceSize; ++y)
            for (int x = 0; same && x < pieceSize; ++x)
                same = screen.pixel(corner + QPoint(x, y)) == picture.pixel(x, y);
        if (same)
            return kind;
    }
    return 0;
}

// Protects the option's pictures on screen: after a new game every cell shows one of the five
// shapes, twenty of each, and a marked piece shows its shape on the highlight blue.
TEST_F(WithSymbols, aNewGameShowsTwentyPiecesOfEachShapeAndAMarkedOneKeepsItsShape)
{
    const SymbolPictures normal = symbolPictures(false);
    const SymbolPictures highlighted = symbolPictures(true);
    std::array<int, cellCount + 1> kinds{};
    const auto readCells = [&] {
        const QImage screen = desktop().screenshot();
        std::array<int, 6> counts{};
        for (int cell = 1; cell <= cellCount; ++cell) {
            kinds[static_cast<std::size_t>(cell)] = kindShown(screen, game().clientOrigin() + cellCorner(cell), normal);
            ++counts[static_cast<std::size_t>(kinds[static_cast<std::size_t>(cell)])];
        }
        return counts;
    };
    ASSERT_TRUE(waitUntil(shortWait, [&] { return readCells()[1] == cellCount; }))
        << "the board before the first game is not 100 rings";
    game().newGame();
    ASSERT_TRUE(waitUntil(shortWait, [&] { return readCells() == std::array<int, 6>{0, 20, 20, 20, 20, 20}; }))
        << "no dealt board of the five shapes";
    keepScreenshot(QStringLiteral("dealt"));

    game().clickCell(1);
    const QPoint corner = game().clientOrigin() + cellCorner(1);
    EXPECT_TRUE(waitUntil(shortWait, [&] {
        return kindShown(desktop().screenshot(), corner, highlighted) == kinds[1];
    })) << "the first cell does not show its shape marked";
}

} // namespace
} // namespace e2e
