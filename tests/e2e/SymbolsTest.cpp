// The colour-blind aid as a player starts it from the command line: the shapes on the balls.
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

// The kind whose symbol picture in this look the cell shows pixel for pixel; 0 when none.
int kindShown(const QImage& screen, QPoint corner, bool highlighted)
{
    for (int kind = 1; kind <= 5; ++kind) {
        if (screen.copy(QRect(corner, QSize(pieceSize, pieceSize))) == piecePicture(kind, highlighted, true))
            return kind;
    }
    return 0;
}

// Protects the option's pictures on screen: the board before a game shows 100 rings, after a
// new game every cell shows one of the five shapes, twenty of each, and a marked piece shows
// its shape on the highlight blue.
TEST_F(WithSymbols, aNewGameShowsTwentyPiecesOfEachShapeAndAMarkedOneKeepsItsShape)
{
    std::array<int, 6> counts{};
    const auto countShapes = [&] {
        const QImage screen = desktop().screenshot();
        counts = {};
        for (int cell = 1; cell <= cellCount; ++cell)
            ++counts[static_cast<std::size_t>(kindShown(screen, game().clientOrigin() + cellCorner(cell), false))];
        return counts;
    };
    ASSERT_TRUE(waitUntil(shortWait, [&] { return countShapes()[1] == cellCount; })) << "no board of 100 rings";
    game().newGame();
    ASSERT_TRUE(waitUntil(shortWait, [&] { return countShapes() == std::array<int, 6>{0, 20, 20, 20, 20, 20}; }))
        << "no dealt board of the five shapes";
    keepScreenshot(QStringLiteral("dealt"));

    const int first = kindShown(desktop().lastScreenshot(), game().clientOrigin() + cellCorner(1), false);
    game().clickCell(1);
    EXPECT_TRUE(waitUntil(shortWait, [&] {
        return kindShown(desktop().screenshot(), game().clientOrigin() + cellCorner(1), true) == first;
    })) << "the first cell does not show its shape marked";
}

} // namespace
} // namespace e2e
