// Reading the board from a screenshot; see BoardPicture.h.
#include "tests/support/BoardPicture.h"

#include "core/DesignState.h"
#include "tests/support/PiecePicture.h"

namespace e2e {

namespace {

constexpr int frameSize = 337;
constexpr int frameWidth = 3;
constexpr QPoint frameCorner{16, 8};

bool isBlack(const QImage& screen, int x, int y) { return screen.pixel(x, y) == black; }

// The frame is the first 337 px black line from the top of the window that goes on as a
// 3 px thick square outline; the menu bar and its text never draw such a line.
std::optional<QPoint> findBoardFrame(const QImage& screen, QRect window)
{
    window = window.intersected(screen.rect());
    for (int y = window.top(); y + frameSize <= window.bottom() + 1; ++y) {
        int run = 0;
        for (int x = window.left(); x <= window.right() + 1; ++x) {
            if (x <= window.right() && isBlack(screen, x, y)) {
                ++run;
                continue;
            }
            const int left = x - run;
            run = 0;
            if (x - left != frameSize)
                continue;
            bool outline = true;
            for (int d = 0; outline && d < frameSize; ++d)
                for (int w = 0; outline && w < frameWidth; ++w)
                    outline = isBlack(screen, left + d, y + w) && isBlack(screen, left + w, y + d) &&
                              isBlack(screen, left + d, y + frameSize - 1 - w) &&
                              isBlack(screen, left + frameSize - 1 - w, y + d);
            if (outline)
                return QPoint(left, y);
        }
    }
    return std::nullopt;
}

} // namespace

Board designBoard()
{
    Board board;
    for (int cell = 1; cell <= cellCount; ++cell)
        board.kind[cell] = gelumpa::designState::pieceKind;
    return board;
}

QPoint cellCorner(int cell)
{
    const int row = (cell - 1) / rowLength;
    const int column = (cell - 1) % rowLength;
    return {24 + pieceSize * column, 16 + pieceSize * row};
}

Board readBoard(const QImage& screen, QPoint clientOrigin)
{
    Board board;
    for (int cell = 1; cell <= cellCount; ++cell) {
        const QPoint corner = clientOrigin + cellCorner(cell);
        const QRgb ground = screen.pixel(corner);
        const int kind = kindOfBall(screen.pixel(corner + QPoint(ballSampleX, ballSampleY)));
        const bool groundKnown = ground == white || ground == highlightBlue;
        const bool highlighted = ground == highlightBlue;
        const bool emptyButBlue = kind == emptyCell && highlighted;
        board.kind[cell] = groundKnown && !emptyButBlue ? kind : unrecognised;
        board.highlighted[cell] = highlighted;
    }
    return board;
}

std::vector<int> cellsNotDrawnExactly(const QImage& screen, QPoint clientOrigin, const Board& board)
{
    std::vector<int> wrong;
    for (int cell = 1; cell <= cellCount; ++cell) {
        const QPoint corner = clientOrigin + cellCorner(cell);
        const int kind = board.kind[cell];
        bool exact = kind >= emptyCell && !cellPicture(kind, board.highlighted[cell]).isNull();
        for (int y = 0; exact && y < pieceSize; ++y)
            for (int x = 0; exact && x < pieceSize; ++x)
                exact = screen.pixel(corner + QPoint(x, y)) == cellPicture(kind, board.highlighted[cell]).pixel(x, y);
        if (!exact)
            wrong.push_back(cell);
    }
    return wrong;
}

std::optional<QPoint> findClientOrigin(const QImage& screen, QRect within)
{
    const std::optional<QPoint> frame = findBoardFrame(screen, within);
    if (!frame)
        return std::nullopt;
    return *frame - frameCorner;
}

std::string describe(const Board& board)
{
    std::string text;
    for (int cell = 1; cell <= cellCount; ++cell) {
        const int kind = board.kind[cell];
        if (kind == emptyCell || kind == unrecognised)
            text += kind == emptyCell ? '.' : '?';
        else
            text += {board.highlighted[cell] ? 'h' : 'n', static_cast<char>('0' + kind)};
        text += cell % rowLength == 0 ? '\n' : ' ';
    }
    return text;
}

} // namespace e2e
