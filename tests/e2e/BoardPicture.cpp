// Reading the board from a screenshot; see BoardPicture.h.
#include "BoardPicture.h"

#include "PiecePicture.h"

namespace e2e {

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
        bool exact = board.kind[cell] != unrecognised;
        for (int y = 0; exact && y < pieceSize; ++y)
            for (int x = 0; exact && x < pieceSize; ++x)
                exact = screen.pixel(corner + QPoint(x, y)) ==
                        expectedPixel(board.kind[cell], board.highlighted[cell], x, y);
        if (!exact)
            wrong.push_back(cell);
    }
    return wrong;
}

std::string describe(const Board& board)
{
    std::string text;
    for (int cell = 1; cell <= cellCount; ++cell) {
        const int kind = board.kind[cell];
        text += kind == emptyCell ? '.' : kind == unrecognised ? '?' : static_cast<char>('0' + kind);
        text += board.highlighted[cell] ? '*' : ' ';
        text += cell % rowLength == 0 ? "\n" : " ";
    }
    return text;
}

} // namespace e2e
