// Turning a burst into xdotool's chained commands; see BurstCommands.h.
#include "BurstCommands.h"

namespace storm {

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
        if (action.act == Act::Command) {
            commands << "key" << "--delay" << "0" << e2e::menuKeys(action.command);
            continue;
        }
        if (action.act == Act::Keys) {
            if (!action.keys.isEmpty())
                commands << "key" << "--delay" << "0" << action.keys;
            // Longer than the X server's delay before it repeats a key.
            if (!action.held.isEmpty())
                commands << "keydown" << action.held << "sleep" << "0.8" << "keyup" << action.held;
            continue;
        }
        if (action.act == Act::PictureClick)
            clickAt(places.windowMiddle + action.point, 1);
        else
            clickAt(places.clientOrigin + action.point, action.act == Act::DoubleClick ? 2 : 1);
    }
    return commands;
}

} // namespace storm
