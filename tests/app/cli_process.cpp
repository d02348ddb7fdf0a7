#include "cli_process.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <system_error>

#include "child_process.h"
#include "remove_folder.h"

namespace thalmuro {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    static std::mt19937_64 random(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = fs::temp_directory_path() / ("thalmuro_cli_test_" + std::to_string(random()));
        if (fs::create_directory(path_)) return;
    }
    throw std::runtime_error("no new scratch folder in " + fs::temp_directory_path().string());
}

ScratchDir::~ScratchDir() {
    testing::removeFolder(path_);
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

CliRun runProgram(const std::string& file, const ScratchDir& dir,
                  const std::vector<std::string>& args, const LocaleEnv& env,
                  const Limits& limits) {
    testing::Program program;
    program.args = {file};
    program.args.insert(program.args.end(), args.begin(), args.end());
    for (const std::string& entry : testing::currentEnvironment()) {
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "LC_ALL" && name != "LC_NUMERIC" && name != "LANG" && env.count(name) == 0) {
            program.environment.push_back(entry);
        }
    }
    for (const auto& [name, value] : env) {
        if (value) program.environment.push_back(name + "=" + *value);
    }
    program.folder = dir.path().string();
    program.out = (dir / "stdout").string();
    program.err = (dir / "stderr").string();
    program.fileSizeLimit = limits.fileSize;

    const testing::ChildEnd end = testing::runProgram(program, limits.time);
    CliRun run;
    run.status = end.status;
    run.end = end.describe();
    run.out = readBytes(program.out);
    run.err = readBytes(program.err);
    std::error_code ignored;
    fs::remove(program.out, ignored);
    fs::remove(program.err, ignored);
    return run;
}

CliRun runCli(const ScratchDir& dir, const std::vector<std::string>& args, const LocaleEnv& env,
              const Limits& limits) {
    return runProgram(THALMURO_CLI, dir, args, env, limits);
}

}  // namespace thalmuro
