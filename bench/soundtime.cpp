// The benchmark's ear: records a PulseAudio source (the null sink's monitor) through parec and
// tells when sounds began, on the same clock as the click stopwatch (CLOCK_MONOTONIC).
//   gelumpa-soundtime listen FILE SOURCE   records until SIGTERM: FILE the samples (written as
//                                          they come), FILE.start the microsecond of the first
//   gelumpa-soundtime exec COMMAND ARGS…    prints the microsecond, then becomes COMMAND
//   gelumpa-soundtime delay FILE TIME…     for each TIME (µs), the microseconds to the first
//                                          sample louder than -40 dBFS after it
// The recorder's own delay is in every figure alike, so differences between figures hold.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr long long rate = 44100;
// -40 dBFS of a signed 16-bit sample.
constexpr int loud = 328;
// A sound this much later than its event is not its own.
constexpr long long longestDelay = 500'000;

long long nowMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

volatile sig_atomic_t stopping = 0;
void stop(int) { stopping = 1; }

// Each read's arrival, less the playing time of the samples before it, is when the first sample
// was heard plus the recorder's delay of that read, which varies: the sink renders ahead and the
// recorder is woken late. The median of these is the estimate.
int listen(const std::string& file, const char* source)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return 1;
    const pid_t recorder = fork();
    if (recorder == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const std::string device = std::string("--device=") + source;
        execlp("parec", "parec", "--raw", "--format=s16le", "--channels=1", "--rate=44100", "--latency-msec=1",
               device.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    struct sigaction action {};
    action.sa_handler = stop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    std::ofstream samples(file, std::ios::binary);
    long long bytes = 0;
    std::vector<long long> starts;
    std::vector<char> buffer(65536);
    while (!stopping) {
        const ssize_t got = read(pipeEnds[0], buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        const long long arrived = nowMicroseconds();
        samples.write(buffer.data(), got);
        samples.flush();
        bytes += got;
        starts.push_back(arrived - (bytes / 2) * 1'000'000 / rate);
    }
    kill(recorder, SIGTERM);
    waitpid(recorder, nullptr, 0);
    if (starts.empty())
        return 1;
    std::nth_element(starts.begin(), starts.begin() + static_cast<std::ptrdiff_t>(starts.size() / 2), starts.end());
    std::ofstream(file + ".start") << starts[starts.size() / 2] << '\n';
    return 0;
}

int delay(const std::string& file, int count, char* times[])
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long long start = 0;
    if (!(std::ifstream(file + ".start") >> start))
        return 1;
    const auto sample = [&](long long i) {
        return static_cast<std::int16_t>(static_cast<std::uint8_t>(raw[2 * i])
                                         | (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
    };
    const long long frames = static_cast<long long>(raw.size() / 2);
    for (int n = 0; n < count; ++n) {
        const long long event = std::atoll(times[n]);
        long long i = std::max(0LL, (event - start) * rate / 1'000'000 + 1);
        while (i < frames && std::abs(sample(i)) < loud)
            ++i;
        const long long heard = start + i * 1'000'000 / rate;
        if (i < frames && heard - event <= longestDelay)
            std::printf("%lld\n", heard - event);
        else
            std::printf("none\n");
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "listen" && argc == 4)
        return listen(argv[2], argv[3]);
    if (mode == "exec" && argc >= 3) {
        std::printf("%lld\n", nowMicroseconds());
        std::fflush(stdout);
        execvp(argv[2], argv + 2);
        return 127;
    }
    if (mode == "delay" && argc >= 3)
        return delay(argv[2], argc - 3, argv + 3);
    std::fprintf(stderr, "usage: %s listen FILE SOURCE | exec COMMAND [ARG…] | delay FILE [TIME…]\n", argv[0]);
    return 2;
}
