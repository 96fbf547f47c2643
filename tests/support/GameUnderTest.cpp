// Driving and watching the real game; see GameUnderTest.h.
#include "tests/support/GameUnderTest.h"

#include "tests/support/BoardModel.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/Waiting.h"

#include <optional>
#include <stdexcept>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds windowTimeout{20000};
} // namespace

// The menu titles "&Game Menu" and "&Game Options" share their access key, so only "&Help me !!"
// is opened by its key; the arrow keys then walk the menu bar to the left.
QStringList menuKeys(MenuCommand command)
{
    switch (command) {
    case MenuCommand::NewGame: return {"alt+h", "Left", "Left", "r"};
    case MenuCommand::PieceOfTokay: return {"alt+h", "Left", "l", "p"};
    case MenuCommand::Nightmare: return {"alt+h", "Left", "l", "n"};
    case MenuCommand::SoundOn: return {"alt+h", "Left", "s", "m"};
    case MenuCommand::SoundOff: return {"alt+h", "Left", "s", "k"};
    case MenuCommand::About: return {"alt+h", "a"};
    case MenuCommand::Leave: return {"alt+h", "Left", "Left", "x"};
    }
    return {};
}

std::string BoardSeen::explain(const Board& expected) const
{
    return "expected board:\n" + describe(expected) + "shown board:\n" + describe(board) + inexactReport();
}

int BoardSeen::readCursorCell(const QImage& screen, QPoint clientOrigin)
{
    if (inexactCells.size() != 1)
        return 0;
    const int cell = inexactCells.front();
    const QPoint corner = clientOrigin + cellCorner(cell);
    const int kind = kindOfBall(screen.pixel(corner + QPoint(ballSampleX, ballSampleY)));
    const bool highlighted = screen.pixel(corner + QPoint(2, 2)) == highlightBlue;
    bool ring = kind != unrecognised && screen.pixel(corner) == black
        && screen.pixel(corner + QPoint(pieceSize - 1, pieceSize - 1)) == black && screen.pixel(corner + QPoint(1, 1)) == white;
    for (int y = 2; y < pieceSize - 2 && ring; ++y)
        for (int x = 2; x < pieceSize - 2 && ring; ++x)
            ring = screen.pixel(corner + QPoint(x, y)) == cellPicture(kind, highlighted).pixel(x, y);
    if (!ring)
        return 0;
    board.kind[cell] = kind;
    board.highlighted[cell] = highlighted;
    inexactCells.clear();
    return cell;
}

std::string BoardSeen::inexactReport() const
{
    if (inexactCells.empty())
        return {};
    std::string text = "cells not drawn exactly as their picture:";
    for (const int cell : inexactCells)
        text += ' ' + std::to_string(cell);
    return text + '\n';
}

GameUnderTest::GameUnderTest(const VirtualDesktop& desktop, const QProcessEnvironment& extra,
                             const QStringList& arguments)
    : GameProcess(desktop.environment(), extra, qEnvironmentVariable("GELUMPA_BINARY"), arguments), desktop(desktop)
{
}

void GameUnderTest::waitForMainWindow()
{
    const std::optional<WindowId> found = desktop.waitForWindow(mainWindowTitle, windowTimeout);
    if (!found)
        throw std::runtime_error("no visible window titled \"Gelumpa Dravenik 1.0\" appeared");
    window = *found;
    // The game may move its window once more when the window manager has framed it, so the
    // board is looked for until it is found where the window stays.
    std::optional<QPoint> client;
    bool settled = false;
    waitUntil(windowTimeout, [&] {
        const QRect inside = desktop.geometry(window);
        const QImage screen = desktop.screenshot();
        if (screen.rect().contains(inside)) {
            client = findClientOrigin(screen, inside);
        } else {
            // Part of the window lies beyond the screen's edge, and the board's frame may with it:
            // the client area lies under the menu bar at the bottom of the window's inside.
            client = QPoint(inside.left(), inside.bottom() + 1 - clientHeight);
        }
        settled = client && desktop.geometry(window) == inside;
        return settled || hasEnded();
    });
    if (!settled)
        throw std::runtime_error("the main window shows no 337 x 337 board frame 3 px wide");
    origin = *client;
}

BoardSeen GameUnderTest::currentBoard() const
{
    const QImage screen = desktop.screenshot();
    BoardSeen seen;
    seen.board = readBoard(screen, origin);
    seen.inexactCells = cellsNotDrawnExactly(screen, origin, seen.board);
    return seen;
}

BoardSeen GameUnderTest::waitForBoard(const Board& expected, std::chrono::milliseconds timeout) const
{
    BoardSeen seen;
    waitUntil(timeout, [&] {
        seen = currentBoard();
        seen.matched = seen.board == expected && seen.inexactCells.empty();
        return seen.matched || hasEnded();
    });
    return seen;
}

BoardSeen GameUnderTest::waitForDealtBoard(std::chrono::milliseconds timeout, const Board& replaced) const
{
    BoardSeen seen;
    waitUntil(timeout, [&] {
        seen = currentBoard();
        seen.matched = seen.inexactCells.empty() && seen.board != replaced &&
                       gelumpa::model::freshDeal(seen.board.kind) && seen.board.highlighted == Board{}.highlighted;
        return seen.matched || hasEnded();
    });
    return seen;
}

QPoint GameUnderTest::cellCentre(int cell) const
{
    return origin + cellCorner(cell) + QPoint(pieceSize / 2, pieceSize / 2);
}

void GameUnderTest::clickCell(int cell) const
{
    desktop.click(cellCentre(cell));
}

void GameUnderTest::choose(MenuCommand command) const
{
    desktop.activate(window);
    desktop.keys(menuKeys(command));
}

void GameUnderTest::clickAway(WindowId pictureWindow) const
{
    if (desktop.run(QStringLiteral("xdotool"), {QStringLiteral("windowraise"), QString::number(pictureWindow)}).exitCode != 0)
        throw std::runtime_error("xdotool could not raise window " + std::to_string(pictureWindow));
    desktop.click(desktop.geometry(pictureWindow).center());
}

bool GameUnderTest::answerQuestion(const QString& titlePattern, const QString& key) const
{
    const std::optional<WindowId> box = desktop.waitForWindow(titlePattern, windowTimeout);
    if (!box)
        return false;
    desktop.activate(*box);
    desktop.keys({key});
    return desktop.waitForNoWindow(titlePattern, windowTimeout);
}

} // namespace e2e
