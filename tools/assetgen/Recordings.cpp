// The four sound effects as complete wave files: marking, removing, end of game, about window.
// Sample counts are fixed: the game's recordings have exactly these lengths and formats.
#include "Recordings.h"

#include "Synth.h"
#include "WaveFile.h"

#include <array>
#include <cmath>

namespace gelumpa::assetgen {

namespace {

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
double pitch(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// MIDI note numbers of the notes the tunes use; plain ints, since the tunes add intervals to them.
constexpr int G2 = 43, C3 = 48, F3 = 53, G3 = 55;
constexpr int C4 = 60, E4 = 64, G4 = 67, A4 = 69;
constexpr int C5 = 72, D5 = 74, E5 = 76, G5 = 79;
constexpr int C6 = 84, E6 = 88, G6 = 91, B6 = 95, C7 = 96, E7 = 100;

struct Step {
    double start;
    double length;
    int note;
};

const QByteArray toolName = "gelumpa-assetgen";

} // namespace

QByteArray markRecording()
{
    constexpr int rate = 11025;
    Track track(rate, 7650);
    const Timbre bright{.harmonics = {1.0, 0.25}, .attack = 0.003, .decay = 0.05, .release = 0.02};
    addNote(track, 0.0, 0.06, pitch(E6), 0.7, bright);
    addNote(track, 0.045, 0.22, pitch(B6), 0.9, bright);
    addEcho(track, 0.12, 0.3);
    normalise(track, 0.8);
    fadeEdges(track, 0.002, 0.05);
    const QByteArray list = infoListChunk({{"INAM", "Mark"}, {"ISFT", toolName}});
    return encodeWave({rate, 8}, toPcm8(track), list);
}

QByteArray removeRecording()
{
    constexpr int rate = 22050;
    Track track(rate, 14602);
    const Timbre pop{.harmonics = {1.0, 0.3}, .attack = 0.003, .decay = 0.035, .release = 0.01};
    addGlide(track, 0.0, 0.12, 780, 120, 1.0, pop);
    const Timbre thud{.harmonics = {1.0}, .attack = 0.002, .decay = 0.06, .release = 0.02};
    addNote(track, 0.0, 0.2, 85, 0.6, thud);

    // The crunch: ever quieter grains of crackle after the pop.
    Noise noise(20030517);
    constexpr std::array<double, 7> grainStarts{0.012, 0.05, 0.085, 0.125, 0.17, 0.22, 0.28};
    double loudness = 1.6;
    for (const double start : grainStarts) {
        addNoiseBurst(track, noise, start, 0.03, loudness, 0.009, 500, 3500);
        loudness *= 0.7;
    }
    normalise(track, 0.85);
    fadeEdges(track, 0.004, 0.08);
    // The two bytes past the RIFF size are silence, for a player that reads them anyway.
    return encodeWave({rate, 8}, toPcm8(track), {}, QByteArray(2, '\x80'));
}

QByteArray endRecording()
{
    constexpr int rate = 22050;
    Track track(rate, 174336 / 2);
    const Timbre bell{.harmonics = {1.0, 0.45, 0.2, 0.08}, .attack = 0.004, .decay = 0.35, .release = 0.05};
    const Timbre bass{.harmonics = {1.0, 0.5, 0.15}, .attack = 0.006, .decay = 0.25, .release = 0.05};
    const Timbre chord{.harmonics = {1.0, 0.35, 0.12}, .attack = 0.01, .decay = 0.9, .release = 0.4,
                       .vibratoDepth = 0.004, .vibratoRate = 5.5};
    const Timbre sparkle{.harmonics = {1.0, 0.1}, .attack = 0.002, .decay = 0.08, .release = 0.03};

    constexpr double beat = 0.14;
    // A rising fanfare: up the chord, a little turn, then up to the top note.
    const std::array<Step, 10> melody{{
        {0 * beat, 1, C5}, {1 * beat, 1, E5}, {2 * beat, 1, G5}, {3 * beat, 2, C6},
        {5 * beat, 1, G5}, {6 * beat, 1, C6}, {7 * beat, 2, E6},
        {9 * beat, 1, C6}, {10 * beat, 1, E6}, {11 * beat, 3, G6},
    }};
    for (const Step& step : melody)
        addNote(track, step.start, step.length * beat + 0.25, pitch(step.note), 0.32, bell);

    const std::array<Step, 4> bassLine{{
        {0 * beat, 3, C3}, {3 * beat, 2, G2}, {5 * beat, 2, C3}, {7 * beat, 4, G2},
    }};
    for (const Step& step : bassLine)
        addNote(track, step.start, step.length * beat + 0.1, pitch(step.note), 0.3, bass);

    // The final chord, held and ringing out, with bells twinkling above it.
    constexpr double chordStart = 14 * beat;
    for (const int note : {C3, C4, E4, G4, C5, E5})
        addNote(track, chordStart, 1.9, pitch(note), note < C4 ? 0.28 : 0.17, chord);
    const std::array<int, 12> twinkles{C7, G6, E7, C7, G6, E6, C7, G6, E6, C6, G6, C7};
    double twinkleLevel = 0.16;
    for (std::size_t i = 0; i < twinkles.size(); ++i) {
        addNote(track, chordStart + 0.05 + 0.085 * static_cast<double>(i), 0.2, pitch(twinkles[i]), twinkleLevel, sparkle);
        twinkleLevel *= 0.86;
    }
    addEcho(track, 0.17, 0.18);
    normalise(track, 0.85);
    fadeEdges(track, 0.003, 0.3);
    return encodeWave({rate, 16}, toPcm16(track));
}

QByteArray aboutRecording()
{
    constexpr int rate = 8000;
    Track track(rate, 42028);
    const Timbre reed{.harmonics = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14}, .attack = 0.006, .decay = 0.0,
                      .release = 0.035, .vibratoDepth = 0.006, .vibratoRate = 6.0};
    const Timbre pluck{.harmonics = {1.0, 0.4}, .attack = 0.004, .decay = 0.09, .release = 0.03};

    // The playground taunt, sol-mi-la-sol-mi, once and then a fourth higher.
    constexpr double quarter = 0.4;
    constexpr double eighth = quarter / 2;
    const std::array<Step, 14> tune{{
        {0.05, quarter, G4}, {0.05 + quarter, eighth, E4}, {0.05 + quarter + eighth, eighth, A4},
        {0.05 + 2 * quarter, quarter, G4}, {0.05 + 3 * quarter, quarter, E4},
        {1.7, quarter, C5}, {1.7 + quarter, eighth, A4}, {1.7 + quarter + eighth, eighth, D5},
        {1.7 + 2 * quarter, quarter, C5}, {1.7 + 3 * quarter, quarter, A4},
        // After the slide: a cheeky "ta-da".
        {4.05, eighth, G4}, {4.05 + eighth, eighth, G4}, {4.05 + 2 * eighth, eighth, G4},
        {4.05 + 3 * eighth, quarter + eighth, C5},
    }};
    for (const Step& step : tune)
        addNote(track, step.start, step.length * 0.8, pitch(step.note), 0.36, reed);

    // A slide whistle down, the "whoops" between the taunt and the ending.
    const Timbre whistle{.harmonics = {1.0, 0.15}, .attack = 0.02, .decay = 0.0, .release = 0.08};
    addGlide(track, 3.4, 0.55, pitch(G5), pitch(G3), 0.4, whistle);

    // Oom-pah underneath the taunt.
    for (int beat = 0; beat < 8; ++beat) {
        const double start = 0.05 + beat * quarter + (beat >= 4 ? 0.05 : 0.0);
        const int root = beat < 4 ? C3 : F3;
        addNote(track, start, 0.18, pitch(beat % 2 == 0 ? root : root + 7), 0.3, pluck);
    }
    addNote(track, 4.05 + 3 * eighth, 0.5, pitch(C3), 0.3, pluck);
    normalise(track, 0.85);
    fadeEdges(track, 0.003, 0.2);
    return encodeWave({rate, 8}, toPcm8(track));
}

} // namespace gelumpa::assetgen
