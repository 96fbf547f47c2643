// A tiny synthesiser for the sound effects: notes, glides, noise bursts and echoes mixed into a
// mono track of floating-point samples, then faded, levelled and turned into PCM bytes.
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gelumpa::assetgen {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

// Loudness of a note at time t after its start.
double envelope(const Timbre& timbre, double t, double duration)
{
    double level = timbre.attack > 0 && t < timbre.attack ? t / timbre.attack : 1.0;
    if (timbre.decay > 0)
        level *= std::exp(-t / timbre.decay);
    const double left = duration - t;
    if (timbre.release > 0 && left < timbre.release)
        level *= std::max(0.0, left / timbre.release);
    return level;
}

// The sample range [first, last) covered by a sound starting at start and lasting duration.
std::pair<std::size_t, std::size_t> span(const Track& track, double start, double duration)
{
    const auto first = static_cast<std::size_t>(std::max(0.0, std::round(start * track.sampleRate)));
    const auto last = static_cast<std::size_t>(std::max(0.0, std::round((start + duration) * track.sampleRate)));
    return {std::min(first, track.samples.size()), std::min(last, track.samples.size())};
}

} // namespace

Track::Track(int rate, std::size_t length)
    : sampleRate(rate)
    , samples(length, 0.0)
{
}

double Noise::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 2147483648.0 - 1.0;
}

void addNote(Track& track, double start, double duration, double frequency, double amplitude,
             const Timbre& timbre)
{
    const auto [first, last] = span(track, start, duration);
    const double nyquist = track.sampleRate / 2.0;
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = track.seconds(i - first);
        const double wobble = 1 + timbre.vibratoDepth * std::sin(twoPi * timbre.vibratoRate * t);
        double value = 0;
        for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
            const double multiple = static_cast<double>(h + 1);
            if (frequency * multiple * (1 + timbre.vibratoDepth) < nyquist)
                value += timbre.harmonics[h] * std::sin(multiple * phase);
        }
        track.samples[i] += amplitude * envelope(timbre, t, duration) * value;
        phase += twoPi * frequency * wobble / track.sampleRate;
    }
}

void addGlide(Track& track, double start, double duration, double fromHz, double toHz,
              double amplitude, const Timbre& timbre)
{
    const auto [first, last] = span(track, start, duration);
    const double nyquist = track.sampleRate / 2.0;
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = track.seconds(i - first);
        const double frequency = fromHz * std::pow(toHz / fromHz, t / duration);
        double value = 0;
        for (std::size_t h = 0; h < timbre.harmonics.size(); ++h) {
            const double multiple = static_cast<double>(h + 1);
            if (frequency * multiple < nyquist)
                value += timbre.harmonics[h] * std::sin(multiple * phase);
        }
        track.samples[i] += amplitude * envelope(timbre, t, duration) * value;
        phase += twoPi * frequency / track.sampleRate;
    }
}

void addNoiseBurst(Track& track, Noise& noise, double start, double duration, double amplitude,
                   double decay, double lowCutHz, double highCutHz)
{
    const auto [first, last] = span(track, start, duration);
    const double dt = 1.0 / track.sampleRate;
    const double lowPass = dt / (dt + 1 / (twoPi * highCutHz));
    const double highPass = (1 / (twoPi * lowCutHz)) / (dt + 1 / (twoPi * lowCutHz));
    double smooth = 0;
    double previousSmooth = 0;
    double band = 0;
    const Timbre shape{.harmonics = {}, .attack = 0.001, .decay = decay, .release = 0.004};
    for (std::size_t i = first; i < last; ++i) {
        smooth += lowPass * (noise.next() - smooth);
        band = highPass * (band + smooth - previousSmooth);
        previousSmooth = smooth;
        track.samples[i] += amplitude * envelope(shape, track.seconds(i - first), duration) * band;
    }
}

void addEcho(Track& track, double delay, double gain)
{
    const auto offset = static_cast<std::size_t>(std::round(delay * track.sampleRate));
    for (std::size_t i = track.samples.size(); i-- > offset;)
        track.samples[i] += gain * track.samples[i - offset];
}

void normalise(Track& track, double peak)
{
    double loudest = 0;
    for (const double sample : track.samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest > 0) {
        for (double& sample : track.samples)
            sample *= peak / loudest;
    }
}

void fadeEdges(Track& track, double fadeIn, double fadeOut)
{
    const std::size_t size = track.samples.size();
    const auto inLength = std::min(size, static_cast<std::size_t>(fadeIn * track.sampleRate));
    const auto outLength = std::min(size, static_cast<std::size_t>(fadeOut * track.sampleRate));
    for (std::size_t i = 0; i < inLength; ++i)
        track.samples[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / inLength);
    for (std::size_t i = 0; i < outLength; ++i)
        track.samples[size - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / outLength);
}

QByteArray toPcm8(const Track& track)
{
    QByteArray pcm;
    pcm.reserve(static_cast<qsizetype>(track.samples.size()));
    for (const double sample : track.samples) {
        const double level = std::clamp(std::round(128 + 127 * sample), 1.0, 255.0);
        pcm.append(static_cast<char>(static_cast<unsigned char>(level)));
    }
    return pcm;
}

QByteArray toPcm16(const Track& track)
{
    QByteArray pcm;
    pcm.reserve(static_cast<qsizetype>(2 * track.samples.size()));
    for (const double sample : track.samples) {
        const auto level = static_cast<std::int16_t>(std::clamp(std::round(32767 * sample), -32767.0, 32767.0));
        const auto bits = static_cast<std::uint16_t>(level);
        pcm.append(static_cast<char>(bits & 0xff));
        pcm.append(static_cast<char>(bits >> 8));
    }
    return pcm;
}

} // namespace gelumpa::assetgen
