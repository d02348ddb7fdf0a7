#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <thread>

extern char** environ;

namespace thalmuro::testing {

std::string ChildEnd::describe() const {
    if (timedOut) return "still running at the time limit, killed";
    if (signal != 0) return "signal " + std::to_string(signal);
    return "exit status " + std::to_string(status);
}

std::vector<char*> execList(std::vector<std::string>& strings) {
    std::vector<char*> list;
    list.reserve(strings.size() + 1);
    for (std::string& text : strings)
        list.push_back(text.data());
    list.push_back(nullptr);
    return list;
}

ChildEnd waitBounded(pid_t pid, std::chrono::milliseconds timeout) {
    ChildEnd end;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int wstatus = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &wstatus, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) return end;
        if (std::chrono::steady_clock::now() >= deadline) {
            end.timedOut = true;
            kill(pid, SIGKILL);
            while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
            }
            return end;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(wstatus)) end.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) end.signal = WTERMSIG(wstatus);
    return end;
}

ChildEnd runInChild(const std::function<int()>& body, std::chrono::milliseconds timeout) {
    const pid_t pid = fork();
    if (pid < 0) return {};
    // _exit: the copy must not run the test program's exit handlers or flush its buffers.
    if (pid == 0) _exit(body());
    return waitBounded(pid, timeout);
}

ChildEnd runProgram(const Program& program, std::chrono::milliseconds timeout) {
    std::vector<std::string> argStore = program.args;
    std::vector<std::string> envStore = program.environment;
    std::vector<char*> argv = execList(argStore);
    std::vector<char*> envp = execList(envStore);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    if (program.fileSizeLimit) fileSize.rlim_cur = *program.fileSizeLimit;
    const pid_t pid = fork();
    if (pid == 0) {
        // The child: only calls that are safe between fork and exec.
        const int out = open(program.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int err = open(program.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (out >= 0 && err >= 0 && dup2(out, 1) == 1 && dup2(err, 2) == 2 &&
            chdir(program.folder.c_str()) == 0 && setrlimit(RLIMIT_FSIZE, &fileSize) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        std::cerr << "cannot start " << argv[0] << ": " << std::strerror(errno) << '\n';
        return {};
    }
    return waitBounded(pid, timeout);
}

std::vector<std::string> currentEnvironment() {
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e)
        environment.emplace_back(*e);
    return environment;
}

std::string posixFeatureMissing() {
    return {};
}

ChildEnd runTestAgain(const std::string& testName,
                      const std::vector<std::pair<std::string, std::string>>& environment,
                      std::chrono::milliseconds timeout) {
    std::vector<std::string> argStore = {"/proc/self/exe", "--gtest_filter=" + testName};
    std::vector<std::string> envStore;
    for (char** e = environ; *e != nullptr; ++e)
        envStore.emplace_back(*e);
    for (const auto& [name, value] : environment)
        envStore.push_back(name + "=" + value);
    std::vector<char*> argv = execList(argStore);
    std::vector<char*> envp = execList(envStore);
    return runInChild(
        [&] {
            execve(argv[0], argv.data(), envp.data());
            return 127;
        },
        timeout);
}

}  // namespace thalmuro::testing
