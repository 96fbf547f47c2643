// The benchmark's ear: records a PulseAudio source (the null sink's monitor) through parec and
// tells when sounds reached it, on the same clock as the click stopwatch (CLOCK_MONOTONIC).
//   gelumpa-soundtime listen FILE SOURCE   records until SIGTERM: FILE the samples, FILE.times
//                                          when each read arrived and how many samples it ended at
//   gelumpa-soundtime exec COMMAND ARGS…    prints the microsecond, then becomes COMMAND
//   gelumpa-soundtime delay FILE TIME…     for each TIME (µs), the microseconds until the read that
//                                          held the first sample louder than -40 dBFS after it
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
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
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

// The recorder reads about every millisecond: a sample counts as heard when its read arrived.
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
    std::ofstream reads(file + ".times");
    long long bytes = 0;
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
        reads << arrived << ' ' << bytes / 2 << '\n';
    }
    kill(recorder, SIGTERM);
    waitpid(recorder, nullptr, 0);
    return bytes > 0 ? 0 : 1;
}

int delay(const std::string& file, int count, char* times[])
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto sample = [&](long long i) {
        return static_cast<std::int16_t>(static_cast<std::uint8_t>(raw[2 * i])
                                         | (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
    };
    // Each read: when it arrived, and the count of samples at its end.
    std::vector<std::pair<long long, long long>> reads;
    std::ifstream readTimes(file + ".times");
    for (long long arrived = 0, end = 0; readTimes >> arrived >> end;)
        reads.emplace_back(arrived, std::min(end, static_cast<long long>(raw.size() / 2)));
    for (int n = 0; n < count; ++n) {
        const long long event = std::atoll(times[n]);
        auto read = std::find_if(reads.begin(), reads.end(), [&](const auto& r) { return r.first > event; });
        long long i = read == reads.begin() || read == reads.end() ? 0 : std::prev(read)->second;
        for (; read != reads.end() && read->first - event <= longestDelay; ++read) {
            while (i < read->second && std::abs(sample(i)) < loud)
                ++i;
            if (i < read->second)
                break;
        }
        if (read != reads.end() && read->first - event <= longestDelay)
            std::printf("%lld\n", read->first - event);
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
