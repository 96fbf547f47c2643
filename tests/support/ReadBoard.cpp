// The board of a screenshot for shell scripts, such as the check of the game under Wine: the board's
// frame is found anywhere in the picture, and the cells are printed as describe() writes them, on one
// line; a cell not drawn exactly as its picture reads "?". Status 1 when no board frame shows.
//   Usage: gelumpa-read-board SCREENSHOT.png
#include <algorithm>
#include <cstdio>
#include <string>

#include <QImage>
#include <QString>

#include "tests/support/BoardPicture.h"
#include "tests/support/PiecePicture.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SCREENSHOT.png\n", argv[0]);
        return 2;
    }
    const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const std::optional<QPoint> client = e2e::findClientOrigin(screen, screen.rect());
    if (!client) {
        std::fprintf(stderr, "%s: no board frame in %s\n", argv[0], argv[1]);
        return 1;
    }
    e2e::Board board = e2e::readBoard(screen, *client);
    for (const int cell : e2e::cellsNotDrawnExactly(screen, *client, board))
        board.kind[cell] = e2e::unrecognised;
    std::string cells = e2e::describe(board);
    std::replace(cells.begin(), cells.end() - 1, '\n', ' ');
    std::fputs(cells.c_str(), stdout);
    return 0;
}
