// The benchmark's click stopwatch: clicks a board cell of the game's window through XTest and
// reports the microseconds from the button's release until the cell's corner turns the marked
// group's blue on the screen, then the moment of the release on the monotonic clock (µs). It waits
// for a dealt board first, read by the tests' screen decoder, and picks the first cell with a piece
// that is not marked yet.
//   Usage: gelumpa-clicktime WINDOW_ID
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include "XcbOwned.h"
#include "tests/support/BoardPicture.h"
#include "tests/support/PiecePicture.h"

#include <QImage>
#include <QPoint>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto boardDeadline = std::chrono::seconds(10);
constexpr auto markDeadline = std::chrono::seconds(10);
// Short enough to read the screen well inside a millisecond, long enough to leave the
// machine's cores to the game and the X server while waiting.
constexpr auto pollInterval = std::chrono::microseconds(100);

using bench::Connection;
using bench::Owned;

// A part of the screen read from the root window, 32 bits a pixel (depth 24).
class Picture {
public:
    Picture(xcb_connection_t* connection, xcb_window_t root, QPoint at, int width, int height)
        : width(width), height(height),
          reply(xcb_get_image_reply(connection,
                                    xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(at.x()),
                                                  static_cast<int16_t>(at.y()), static_cast<uint16_t>(width),
                                                  static_cast<uint16_t>(height), ~0u),
                                    nullptr))
    {
    }

    // The pixels as an image that lives no longer than the picture; null when the server sent none.
    QImage image() const
    {
        if (!reply || xcb_get_image_data_length(reply.get()) < width * height * 4)
            return {};
        return {xcb_get_image_data(reply.get()), width, height, width * 4, QImage::Format_RGB32};
    }

private:
    int width, height;
    Owned<xcb_get_image_reply_t> reply;
};

// The screen position of the board's client area once a game is dealt (its balls are not all of
// one kind, as before the first game), and the first cell with a piece that is not marked.
std::optional<std::pair<QPoint, int>> findTarget(xcb_connection_t* connection, xcb_window_t root, QPoint window,
                                                 int width, int height)
{
    const auto giveUp = Clock::now() + boardDeadline;
    while (Clock::now() < giveUp) {
        const Picture picture(connection, root, window, width, height);
        const QImage shown = picture.image();
        if (const auto client = shown.isNull() ? std::nullopt : e2e::findClientOrigin(shown, shown.rect())) {
            const e2e::Board board = e2e::readBoard(shown, *client);
            bool dealt = false;
            int target = 0;
            for (int cell = 1; cell <= e2e::cellCount; ++cell) {
                dealt = dealt || board.kind[cell] != board.kind[1];
                if (target == 0 && board.kind[cell] > e2e::emptyCell && !board.highlighted[cell])
                    target = cell;
            }
            if (dealt && target != 0)
                return std::pair{window + *client, target};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

void fakeInput(xcb_connection_t* connection, xcb_window_t root, uint8_t type, uint8_t detail, QPoint at = {})
{
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root, static_cast<int16_t>(at.x()),
                        static_cast<int16_t>(at.y()), 0);
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
    const auto target = findTarget(connection.get(), root, QPoint(origin->dst_x, origin->dst_y), geometry->width,
                                   geometry->height);
    if (!target) {
        std::fprintf(stderr, "no dealt board with an unmarked piece in window %s\n", argv[1]);
        return 1;
    }
    const QPoint corner = target->first + e2e::cellCorner(target->second);

    fakeInput(connection.get(), root, XCB_MOTION_NOTIFY, 0, corner + QPoint(e2e::pieceSize / 2, e2e::pieceSize / 2));
    fakeInput(connection.get(), root, XCB_BUTTON_PRESS, 1);
    sync(connection.get());
    const auto released = Clock::now();
    fakeInput(connection.get(), root, XCB_BUTTON_RELEASE, 1);
    xcb_flush(connection.get());

    const auto giveUp = released + markDeadline;
    while (Clock::now() < giveUp) {
        const Picture pixel(connection.get(), root, corner, 1, 1);
        if (const QImage seen = pixel.image(); !seen.isNull() && seen.pixel(0, 0) == e2e::highlightBlue) {
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
