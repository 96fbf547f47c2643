// Reading the cell under the cursor's ring; see CursorCell.h.
#include "tests/support/CursorCell.h"

#include "tests/support/PiecePicture.h"

namespace e2e {

bool showsCursorRing(const QImage& screen, QPoint cellCorner)
{
    const QPoint last(pieceSize - 1, pieceSize - 1);
    return screen.pixel(cellCorner) == qRgb(0, 0, 0) && screen.pixel(cellCorner + last) == qRgb(0, 0, 0)
        && screen.pixel(cellCorner + QPoint(1, 1)) == qRgb(255, 255, 255);
}

bool readInsideRing(const QImage& screen, QPoint cellCorner, int cell, Board& board)
{
    for (int kind = 0; kind <= 5; ++kind) {
        for (const bool highlighted : {false, true}) {
            const QImage& picture = cellPicture(kind, highlighted);
            bool same = true;
            for (int y = 2; y < pieceSize - 2 && same; ++y)
                for (int x = 2; x < pieceSize - 2 && same; ++x)
                    same = screen.pixel(cellCorner + QPoint(x, y)) == picture.pixel(x, y);
            if (same) {
                board.kind[cell] = kind;
                board.highlighted[cell] = highlighted;
                return true;
            }
        }
    }
    return false;
}

} // namespace e2e
