// Start-up benchmark: time from process start to the main window's first
// paint, and peak memory, for the game and for a bare Qt window, measured
// alternately in the same run (offscreen). Prints the medians.
//   startup_bench [runs]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms;
    long peakKiB;
};

Run runOnce(const std::string& program, const char* mode) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0) std::exit(2);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], STDOUT_FILENO);
        close(pipeFd[0]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.c_str(), program.c_str(), mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    char buf[64];
    const ssize_t n = read(pipeFd[0], buf, sizeof buf);
    const auto painted = std::chrono::steady_clock::now();
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", program.c_str(), mode);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(painted - start).count(), usage.ru_maxrss};
}

template <class F>
double median(std::vector<Run> runs, F field) {
    std::vector<double> v;
    for (const Run& r : runs) v.push_back(field(r));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    std::string program = argv[0];
    program = program.substr(0, program.find_last_of('/') + 1) + "first_paint";

    std::vector<Run> game, bare, text;
    runOnce(program, "bare");  // warm the file cache
    for (int i = 0; i < runs; ++i) {
        bare.push_back(runOnce(program, "bare"));
        text.push_back(runOnce(program, "text"));
        game.push_back(runOnce(program, "game"));
    }
    auto ms = [](const Run& r) { return r.ms; };
    auto mib = [](const Run& r) { return r.peakKiB / 1024.0; };
    const double gameMs = median(game, ms), bareMs = median(bare, ms);
    const double gameMiB = median(game, mib), bareMiB = median(bare, mib);
    std::printf("start to first paint (median of %d, offscreen)\n", runs);
    std::printf("  bare Qt window: %7.1f ms  peak %6.1f MiB\n", bareMs, bareMiB);
    std::printf("  bare + one label:%7.1f ms  peak %6.1f MiB\n", median(text, ms), median(text, mib));
    std::printf("  game window:    %7.1f ms  peak %6.1f MiB\n", gameMs, gameMiB);
    std::printf("  ratio %.2fx (aim <= 2x), extra memory %.1f MiB (aim <= 15 MiB)\n", gameMs / bareMs,
                gameMiB - bareMiB);
    return 0;
}
