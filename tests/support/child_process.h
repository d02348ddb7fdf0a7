// Children of a test program, each waited for a bounded time so that a child that hangs fails
// its test instead of stopping the suite. child_process.cpp on POSIX systems,
// child_process_windows.cpp on Windows.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace thalmuro::testing {

// How a child ended.
struct ChildEnd {
    int status = -1;  // its exit status; -1 when it did not exit
    int signal = 0;   // the signal that ended it, if one did
    bool timedOut = false;

    // "exit status 1", "signal 25", "still running after 5000 ms, killed", for messages.
    std::string describe() const;
};

// A program to start: its arguments (the program's file first), its whole environment
// ("NAME=value" each), the folder it starts in, and the files that take its standard output and
// error (created or emptied).
struct Program {
    std::vector<std::string> args;
    std::vector<std::string> environment;
    std::string folder;
    std::string out;
    std::string err;
    std::optional<std::uint64_t> fileSizeLimit;  // POSIX systems: ulimit -f for it, bytes
};

// Runs `program`; once `timeout` has passed, kills it. Its exit status -1 and a reason on
// standard error of the test when it could not be started.
ChildEnd runProgram(const Program& program, std::chrono::milliseconds timeout);

// The test program's own environment, "NAME=value" each.
std::vector<std::string> currentEnvironment();

// Why a test of a POSIX system's feature (named pipes, ulimit, LD_PRELOAD, the locale
// variables...) cannot run here, for its skip message; empty on POSIX systems.
std::string posixFeatureMissing();

// POSIX systems only, below.

// The form execve takes a list of strings in: pointers into `strings`, then a null pointer.
std::vector<char*> execList(std::vector<std::string>& strings);

// Waits for the child `pid`; once `timeout` has passed, kills it (SIGKILL) and reaps it.
ChildEnd waitBounded(pid_t pid, std::chrono::milliseconds timeout);

// Runs `body` in a forked copy of the test program, which then exits with what `body` returned.
// The copy shares nothing with the test afterwards: a failure there shows in the exit status.
ChildEnd runInChild(const std::function<int()>& body, std::chrono::milliseconds timeout);

// Runs this test program again with only the test `testName` ("Suite.Name"), its environment
// plus `environment`. Its output goes to the test's own.
ChildEnd runTestAgain(const std::string& testName,
                      const std::vector<std::pair<std::string, std::string>>& environment,
                      std::chrono::milliseconds timeout);

}  // namespace thalmuro::testing
