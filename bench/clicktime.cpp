// The benchmark's click stopwatch: clicks a board cell of the game's window through XTest and
// reports the microseconds from the button's release until the cell's corner turns the marked
// group's blue on the screen, then the moment of the release on the monotonic clock (µs). It waits
// for a dealt board first, and picks the first cell with a piece that is not marked yet.
//   Usage: gelumpa-clicktime WINDOW_ID
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include "XcbOwned.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto boardDeadline = std::chrono::seconds(10);
constexpr auto markDeadline = std::chrono::seconds(10);
// Short enough to read the screen well inside a millisecond, long enough to leave the
// machine's cores to the game and the X server while waiting.
constexpr auto pollInterval = std::chrono::microseconds(100);

// The board as the game draws it: a 337 px black frame 3 px wide, the first cell 8 px inside
// its corner, ten rows of ten 32 px cells.
constexpr int frameSize = 337;
constexpr int firstCellOffset = 8;
constexpr int cellSize = 32;
constexpr int rowLength = 10;
constexpr int cellCount = 100;
// A ball pixel away from its shine; the corner shows the cell's ground, white or marked blue.
constexpr int ballX = 16;
constexpr int ballY = 20;

using bench::Connection;
using bench::Owned;

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb markedBlue{0, 0, 255};

struct Point {
    int x, y;
};

// A part of the screen read from the root window, 32 bits a pixel (depth 24).
class Picture {
public:
    Picture(xcb_connection_t* connection, xcb_window_t root, int x, int y, int width, int height)
        : width(width), height(height),
          reply(xcb_get_image_reply(connection,
                                    xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(x),
                                                  static_cast<int16_t>(y), static_cast<uint16_t>(width),
                                                  static_cast<uint16_t>(height), ~0u),
                                    nullptr))
    {
    }

    bool valid() const
    {
        return reply && xcb_get_image_data_length(reply.get()) >= width * height * 4;
    }
    Rgb at(int x, int y) const
    {
        const std::uint8_t* pixel = xcb_get_image_data(reply.get()) + (y * width + x) * 4;
        return {pixel[2], pixel[1], pixel[0]};
    }
    int width, height;

private:
    Owned<xcb_get_image_reply_t> reply;
};

std::optional<Point> findFrame(const Picture& window)
{
    for (int y = 0; y + frameSize <= window.height; ++y) {
        int run = 0;
        for (int x = 0; x <= window.width; ++x) {
            if (x < window.width && window.at(x, y) == black) {
                ++run;
                continue;
            }
            const int left = x - run;
            run = 0;
            if (x - left != frameSize)
                continue;
            bool down = true;
            for (int d = 0; down && d < frameSize; ++d)
                down = window.at(left, y + d) == black && window.at(left + frameSize - 1, y + d) == black;
            if (down)
                return Point{left, y};
        }
    }
    return std::nullopt;
}

Point cellCorner(Point board, int cell)
{
    return {board.x + (cell - 1) % rowLength * cellSize, board.y + (cell - 1) / rowLength * cellSize};
}

// The board's first cell on the screen once a game is dealt (its balls are not all of one
// kind, as before the first game), and the first unmarked cell with a piece.
std::optional<std::pair<Point, int>> findTarget(xcb_connection_t* connection, xcb_window_t root, Point window,
                                                int width, int height)
{
    const auto giveUp = Clock::now() + boardDeadline;
    while (Clock::now() < giveUp) {
        const Picture picture(connection, root, window.x, window.y, width, height);
        if (picture.valid()) {
            if (const auto frame = findFrame(picture)) {
                const Point board{frame->x + firstCellOffset, frame->y + firstCellOffset};
                const Point first = cellCorner(board, 1);
                const Rgb firstBall = picture.at(first.x + ballX, first.y + ballY);
                bool dealt = false;
                int target = 0;
                for (int cell = 1; cell <= cellCount; ++cell) {
                    const Point corner = cellCorner(board, cell);
                    const Rgb ball = picture.at(corner.x + ballX, corner.y + ballY);
                    dealt = dealt || ball != firstBall;
                    if (target == 0 && ball != white && picture.at(corner.x, corner.y) == white)
                        target = cell;
                }
                if (dealt && target != 0)
                    return std::pair{Point{window.x + board.x, window.y + board.y}, target};
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

void fakeInput(xcb_connection_t* connection, xcb_window_t root, uint8_t type, uint8_t detail, Point at = {0, 0})
{
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root, static_cast<int16_t>(at.x),
                        static_cast<int16_t>(at.y), 0);
}

// A round trip: every request before it has been carried out.
void sync(xcb_connection_t* connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const Connection connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    const Owned<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection.get(), xcb_get_geometry(connection.get(), window), nullptr));
    const Owned<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        connection.get(), xcb_translate_coordinates(connection.get(), window, root, 0, 0), nullptr));
    if (!geometry || !origin) {
        std::fprintf(stderr, "no window %s\n", argv[1]);
        return 1;
    }
    const auto target = findTarget(connection.get(), root, Point{origin->dst_x, origin->dst_y}, geometry->width,
                                   geometry->height);
    if (!target) {
        std::fprintf(stderr, "no dealt board with an unmarked piece in window %s\n", argv[1]);
        return 1;
    }
    const Point corner = cellCorner(target->first, target->second);

    fakeInput(connection.get(), root, XCB_MOTION_NOTIFY, 0, {corner.x + cellSize / 2, corner.y + cellSize / 2});
    fakeInput(connection.get(), root, XCB_BUTTON_PRESS, 1);
    sync(connection.get());
    const auto released = Clock::now();
    fakeInput(connection.get(), root, XCB_BUTTON_RELEASE, 1);
    xcb_flush(connection.get());

    const auto giveUp = released + markDeadline;
    while (Clock::now() < giveUp) {
        const Picture pixel(connection.get(), root, corner.x, corner.y, 1, 1);
        if (pixel.valid() && pixel.at(0, 0) == markedBlue) {
            const auto shown = Clock::now();
            const auto microseconds = [](Clock::duration d) {
                return static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(d).count());
            };
            std::printf("%lld %lld\n", microseconds(shown - released), microseconds(released.time_since_epoch()));
            return 0;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    std::fprintf(stderr, "cell %d was not shown marked within %lld s\n", target->second,
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(markDeadline).count()));
    return 1;
}
