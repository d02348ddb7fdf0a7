// Children of a test program, each waited for a bounded time so that a child that hangs fails
// its test instead of stopping the suite.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
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
