// A tiny synthesiser for the sound effects: notes, glides, noise bursts and echoes mixed into a
// mono track of floating-point samples, then faded, levelled and turned into PCM bytes.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace gelumpa::assetgen {

struct Track {
    int sampleRate;
    std::vector<double> samples;

    Track(int rate, std::size_t length);
    double seconds(std::size_t index) const { return static_cast<double>(index) / sampleRate; }
};

// How a note sounds: the strengths of its first harmonics and the shape of its loudness.
struct Timbre {
    std::vector<double> harmonics{1.0};
    double attack = 0.005;  // seconds to full loudness
    double decay = 0.0;     // time constant of the exponential fall, 0 for none
    double release = 0.02;  // seconds of fade at the note's end
    double vibratoDepth = 0.0; // fraction of the frequency
    double vibratoRate = 5.5;  // Hz
};

// Deterministic white noise (xorshift), so every run gives the same recording.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double next(); // uniform in [-1, 1)

private:
    std::uint32_t state;
};

// Adds a note; harmonics at or above half the sample rate are left out so nothing aliases.
void addNote(Track& track, double start, double duration, double frequency, double amplitude,
             const Timbre& timbre);

// Adds a sine whose pitch glides exponentially from one frequency to another.
void addGlide(Track& track, double start, double duration, double fromHz, double toHz,
              double amplitude, const Timbre& timbre);

// Adds a burst of noise, band-limited by two one-pole filters, falling with time constant decay.
void addNoiseBurst(Track& track, Noise& noise, double start, double duration, double amplitude,
                   double decay, double lowCutHz, double highCutHz);

// Mixes in a delayed, quieter copy of the track.
void addEcho(Track& track, double delay, double gain);

// Scales the track so its loudest sample reaches peak (below 1, so nothing clips).
void normalise(Track& track, double peak);

// Raised-cosine fades at both ends, so the recording starts and stops without a click.
void fadeEdges(Track& track, double fadeIn, double fadeOut);

// Unsigned 8-bit PCM, silence at 128.
QByteArray toPcm8(const Track& track);
// Signed 16-bit little-endian PCM.
QByteArray toPcm16(const Track& track);

} // namespace gelumpa::assetgen
