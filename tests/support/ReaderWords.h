// The words a screen reader speaks for the board and the counters, written out by hand in each
// language the game speaks: what the tests expect a player to hear.
#pragma once

#include <array>

namespace e2e {

struct ReaderWords {
    // By kind: 0 for an empty cell, then the balls 1 to 5.
    std::array<const char*, 6> pictures;
    const char* board;
    // %1 is the row, %2 the column.
    const char* place;
    // %1 is the marked group's size, the score.
    const char* selected;
    const char* score;
    // %1 is the score's news.
    const char* gameOver;
};

inline constexpr ReaderWords englishWords{
    {"empty", "light-brown ball", "green ball", "red ball", "pale turquoise ball", "magenta ball"},
    "Board", "row %1, column %2", "Selected %1", "Score %1", "Game over, %1",
};

inline constexpr ReaderWords indonesianWords{
    {"kosong", "bola cokelat muda", "bola hijau", "bola merah", "bola toska muda", "bola magenta"},
    "Papan", "baris %1, kolom %2", "Terpilih %1", "Skor %1", "Permainan selesai, %1",
};

} // namespace e2e
