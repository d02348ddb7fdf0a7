// Start-up cost of the desktop program against a bare Qt main window of the same size with a
// menu bar. Both run side by side, alternately, on the offscreen platform with first_paint_hook
// preloaded, which ends each of them right after the first paint of its main window. A table
// gives the median CPU time (user + system, from wait4) and peak resident memory (ru_maxrss) of
// each and their ratio.
//
//   startup_bench [--runs N] [--program PATH] [--reference PATH] [--hook PATH]
//
// The paths default to the ones of the build tree. One run of each, unmeasured, comes first, so
// that the font cache and the files the programs read are warm for all of them.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kTimeLimitSeconds = 60;

struct Settings {
    int runs = 15;
    std::string program = THALMURO_PROGRAM;
    std::string reference = BARE_WINDOW_PROGRAM;
    std::string hook = FIRST_PAINT_HOOK;
};

struct Cost {
    double cpu_seconds;
    double peak_mib;
};

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs `program` to its first paint; nothing when it failed or went past the time limit.
std::optional<Cost> measure(const std::string& program, const std::string& hook) {
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_SCREENS, 1);
        setenv("LD_PRELOAD", hook.c_str(), 1);
        // Qt's warnings about the offscreen platform would bury the table.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child) break;
        if (done < 0) return std::nullopt;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (static_cast<double>(now.tv_sec - start.tv_sec) > kTimeLimitSeconds) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            std::fprintf(stderr, "%s: no first paint within %.0f s\n", program.c_str(),
                         kTimeLimitSeconds);
            return std::nullopt;
        }
        const timespec pause{0, 1000000};
        nanosleep(&pause, nullptr);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        // Exit status 127: it could not be started; 124: the hook saw no main window painted in
        // time. Run it by hand with QT_QPA_PLATFORM=offscreen to see its messages.
        if (WIFEXITED(status)) {
            std::fprintf(stderr, "%s: exit status %d\n", program.c_str(), WEXITSTATUS(status));
        } else {
            std::fprintf(stderr, "%s: ended by signal %d\n", program.c_str(), WTERMSIG(status));
        }
        return std::nullopt;
    }
    // ru_maxrss is in KiB on Linux.
    return Cost{seconds(usage.ru_utime) + seconds(usage.ru_stime),
                static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::optional<Settings> parseArguments(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (i + 1 == argc) return std::nullopt;
        const std::string_view value = argv[++i];
        if (option == "--runs") {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), settings.runs);
            if (error != std::errc() || end != value.data() + value.size() || settings.runs < 1)
                return std::nullopt;
        } else if (option == "--program") {
            settings.program = value;
        } else if (option == "--reference") {
            settings.reference = value;
        } else if (option == "--hook") {
            settings.hook = value;
        } else {
            return std::nullopt;
        }
    }
    return settings;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Settings> settings = parseArguments(argc, argv);
    if (!settings) {
        std::fputs(
            "usage: startup_bench [--runs N] [--program PATH] [--reference PATH] [--hook PATH]\n",
            stderr);
        return 2;
    }
    const std::string* const programs[] = {&settings->program, &settings->reference};
    for (const std::string* program : programs) {
        if (!measure(*program, settings->hook)) return 1;
    }
    std::vector<double> cpu[2];
    std::vector<double> peak[2];
    for (int run = 0; run < settings->runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const std::optional<Cost> cost = measure(*programs[which], settings->hook);
            if (!cost) return 1;
            cpu[which].push_back(cost->cpu_seconds);
            peak[which].push_back(cost->peak_mib);
        }
    }
    const double cpuProgram = median(cpu[0]);
    const double cpuReference = median(cpu[1]);
    const double peakProgram = median(peak[0]);
    const double peakReference = median(peak[1]);
    std::printf("Start-up to the first paint, offscreen, median of %d runs\n", settings->runs);
    std::printf("%-14s %12s %12s\n", "", "CPU s", "peak MiB");
    std::printf("%-14s %12.4f %12.1f\n", "thalmuro", cpuProgram, peakProgram);
    std::printf("%-14s %12.4f %12.1f\n", "bare window", cpuReference, peakReference);
    std::printf("%-14s %12.2f %12.2f\n", "ratio", cpuProgram / cpuReference,
                peakProgram / peakReference);
    return 0;
}
