#include "cli_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "child_process.h"

extern char** environ;

namespace thalmuro {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "thalmuro_cli_test_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category());
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
        const std::string name = entry.path().filename().string();
        if (name != "stdout" && name != "stderr") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

CliRun runProgram(const std::string& program, const ScratchDir& dir,
                  const std::vector<std::string>& args, const LocaleEnv& env,
                  const Limits& limits) {
    std::vector<std::string> argStore = {program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<std::string> envStore;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "LC_ALL" && name != "LC_NUMERIC" && name != "LANG") envStore.push_back(entry);
    }
    for (const auto& [name, value] : env)
        envStore.push_back(name + "=" + value);
    std::vector<char*> argv = testing::execList(argStore);
    std::vector<char*> envp = testing::execList(envStore);
    rlimit fileSize{};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    if (limits.fileSize) fileSize.rlim_cur = *limits.fileSize;

    const std::string outPath = (dir / "stdout").string();
    const std::string errPath = (dir / "stderr").string();
    CliRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        // The child: only calls that are safe between fork and exec.
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (out >= 0 && err >= 0 && dup2(out, 1) == 1 && dup2(err, 2) == 2 &&
            chdir(dir.path().c_str()) == 0 && setrlimit(RLIMIT_FSIZE, &fileSize) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(errno);
        return run;
    }
    const testing::ChildEnd end = testing::waitBounded(pid, limits.time);
    run.status = end.status;
    run.end = end.describe();
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

CliRun runCli(const ScratchDir& dir, const std::vector<std::string>& args, const LocaleEnv& env,
              const Limits& limits) {
    return runProgram(THALMURO_CLI, dir, args, env, limits);
}

}  // namespace thalmuro
