// Ownership of what xcb hands out to the benchmark's stopwatches: the connection, and the
// replies, events and errors it malloc's for the caller.
#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace bench {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

struct Free {
    void operator()(void* block) const { std::free(block); }
};
template <typename T>
using Owned = std::unique_ptr<T, Free>;

} // namespace bench
