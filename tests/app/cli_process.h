// The built thalmuro-cli started as a user starts it: in a scratch folder of its own, with the
// locale variables the test chooses, its exit status and both output streams captured.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "file_bytes.h"

namespace thalmuro {

using testing::readBytes;
using testing::writeBytes;

// Environment variables for a run, mostly the locale's (LC_ALL, LC_NUMERIC, LANG): each
// replaces the test's own variable of that name, and one without a value leaves it out.
using LocaleEnv = std::map<std::string, std::optional<std::string>>;

struct CliRun {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string end;  // how it ended, for messages
    std::string out;
    std::string err;
};

// A scratch folder for one test, removed with everything in it.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const {
        return path_ / std::filesystem::u8path(name);
    }

    // The names in the folder other than the program's captured output.
    std::vector<std::string> entries() const;

  private:
    std::filesystem::path path_;
};

// What the program may use when it runs.
struct Limits {
    std::optional<std::uint64_t> fileSize;  // POSIX systems: the file-size limit (ulimit -f), bytes
    std::chrono::milliseconds time = std::chrono::minutes(1);  // then it is killed
};

// Runs `program` in `dir` with the test's environment minus its locale variables and those
// that `env` names, plus those that `env` gives a value.
// Standard output and error go to two files of `dir`, read back and removed.
CliRun runProgram(const std::string& program, const ScratchDir& dir,
                  const std::vector<std::string>& args, const LocaleEnv& env = {},
                  const Limits& limits = {});

// Runs the built runner (thalmuro-cli) that way.
CliRun runCli(const ScratchDir& dir, const std::vector<std::string>& args,
              const LocaleEnv& env = {}, const Limits& limits = {});

}  // namespace thalmuro
