// Choosing moves; see MovePicker.h.
#include "tests/support/MovePicker.h"

namespace gelumpa::model {

namespace {

// The move whose range holds the place, the place counted from the range's start.
Move moveAt(Act act, int place)
{
    Move move{act, place};
    switch (act) {
    case Act::ClickCell:
    case Act::ClickTwice: move.argument = place % 100 + 1; break;
    case Act::Level:
        move.argument = (place & 1) + 1;
        move.yes = (place & 2) != 0;
        break;
    case Act::Sound: move.argument = (place & 1) + 1; break;
    case Act::Exit: move.yes = (place & 1) != 0; break;
    default: break;
    }
    return move;
}

} // namespace

MovePicker::MovePicker(const MoveWeights& weights, std::uint32_t seed) : generator(seed)
{
    std::size_t filled = 0;
    const auto add = [this, &filled](Range range) {
        ranges[filled++] = range;
        total += range.weight;
    };
    const auto act = [&weights](Act a) { return weights.acts[static_cast<std::size_t>(a)]; };
    for (const Act a : {Act::ClickCell, Act::ClickGroup, Act::NewGame, Act::Level, Act::Sound, Act::About, Act::Exit,
             Act::CloseWindow})
        add({a, Delivery::Now, act(a)});
    add({std::nullopt, Delivery::DuringSound, weights.duringSound});
    add({std::nullopt, Delivery::Waiting, weights.waiting});
    add({Act::ClickTwice, Delivery::Now, act(Act::ClickTwice)});
    add({Act::ClickBeside, Delivery::Now, act(Act::ClickBeside)});
}

MovePicker::MovePicker(const MoveWeights& weights, std::span<const std::uint8_t> bytes)
    : MovePicker(weights, std::uint32_t{0})
{
    this->bytes = bytes;
    fromBytes = true;
}

std::optional<int> MovePicker::choice(int n)
{
    if (!fromBytes)
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    if (nextByte == bytes.size())
        return std::nullopt;
    return bytes[nextByte++] % n;
}

int MovePicker::below(int n) { return choice(n).value_or(0); }

std::optional<Move> MovePicker::next()
{
    Delivery delivery = Delivery::Now;
    int sound = 0;
    while (const std::optional<int> drawn = choice(total)) {
        int place = *drawn;
        const Range* range = ranges.data();
        for (; place >= range->weight; ++range)
            place -= range->weight;
        if (!range->act) {
            delivery = range->delivery;
            sound = (place & 3) + 1;
            continue;
        }
        Move move = moveAt(*range->act, place);
        move.delivery = delivery;
        move.sound = delivery == Delivery::DuringSound ? sound : 0;
        return move;
    }
    return std::nullopt;
}

std::string describe(const Move& move)
{
    std::string text;
    switch (move.act) {
    case Act::ClickCell: text = "click on cell " + std::to_string(move.argument); break;
    case Act::ClickGroup: text = "click on piece " + std::to_string(move.argument) + " of a group"; break;
    case Act::NewGame: text = "new game"; break;
    case Act::Level: text = "level item " + std::to_string(move.argument) + (move.yes ? ", Yes" : ", No"); break;
    case Act::Sound: text = "sound item " + std::to_string(move.argument); break;
    case Act::About: text = "about"; break;
    case Act::Exit: text = move.yes ? "exit, OK" : "exit, Cancel"; break;
    case Act::CloseWindow: text = "closing the main window"; break;
    case Act::ClickTwice: text = "two clicks on cell " + std::to_string(move.argument); break;
    case Act::ClickBeside: text = "click beside the cells (" + std::to_string(move.argument) + ")"; break;
    }
    switch (move.delivery) {
    case Delivery::Now: break;
    case Delivery::Waiting: text += ", already waiting"; break;
    case Delivery::DuringSound: text += ", arriving while recording " + std::to_string(move.sound) + " plays"; break;
    }
    return text;
}

} // namespace gelumpa::model
