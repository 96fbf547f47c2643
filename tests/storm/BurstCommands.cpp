// Turning a burst into xdotool's chained commands; see BurstCommands.h.
#include "BurstCommands.h"

namespace storm {

// "&Game Menu" and "&Game Options" share their access key, so the keys open "&Help me !!"
// and walk the menu bar to the left from there.
QStringList menuKeys(Act command)
{
    switch (command) {
    case Act::NewGame: return {"alt+h", "Left", "Left", "r"};
    case Act::PieceOfTokay: return {"alt+h", "Left", "l", "p"};
    case Act::Nightmare: return {"alt+h", "Left", "l", "n"};
    case Act::SoundOn: return {"alt+h", "Left", "s", "m"};
    case Act::SoundOff: return {"alt+h", "Left", "s", "k"};
    case Act::About: return {"alt+h", "a"};
    default: return {};
    }
}

QStringList burstCommands(const std::vector<Action>& burst, const ScreenPlaces& places, QPoint pointer)
{
    QStringList commands;
    const auto clickAt = [&](QPoint target, int times) {
        const QPoint step = target - pointer;
        if (!step.isNull())
            commands << "mousemove_relative" << "--" << QString::number(step.x()) << QString::number(step.y());
        pointer = target;
        for (int click = 0; click < times; ++click)
            commands << "mousedown" << "1" << "mouseup" << "1";
    };
    for (const Action& action : burst) {
        if (isMenuCommand(action.act)) {
            commands << "key" << "--delay" << "0" << menuKeys(action.act);
            continue;
        }
        if (action.act == Act::PictureClick)
            clickAt(places.windowMiddle + action.point, 1);
        else
            clickAt(places.clientOrigin + action.point, action.act == Act::CellDoubleClick ? 2 : 1);
    }
    return commands;
}

} // namespace storm
