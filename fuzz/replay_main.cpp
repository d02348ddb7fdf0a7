// Replays saved inputs through a fuzz target without libFuzzer, so that any compiler can build
// the target and the tests can run its seed corpus:
//
//   TARGET_replay FILE_OR_FOLDER...
//
// Every file named, and every file under every folder named (in name order), is read whole and
// passed once to LLVMFuzzerTestOneInput. A target that finds a broken property aborts, which
// ends the run on that input; its name is printed first. Exit status: 0 when every input ran,
// 1 when a path could not be read or the paths held no input at all.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files to replay for one command-line path; false when it cannot be read.
bool collect(const fs::path& path, std::vector<fs::path>& files) {
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        files.push_back(path);
        return true;
    }
    if (!fs::is_directory(path, error)) {
        std::cerr << "replay: " << path.string() << ": "
                  << (error ? error.message() : "not a file or a folder") << '\n';
        return false;
    }
    std::vector<fs::path> found;
    for (fs::recursive_directory_iterator it(path, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error)) found.push_back(it->path());
    }
    if (error) {
        std::cerr << "replay: " << path.string() << ": " << error.message() << '\n';
        return false;
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return true;
}

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
        std::cerr << "replay: " << file.string() << ": cannot be read\n";
        return false;
    }
    const std::size_t size = bytes.size();
    // One byte more than the input, so that even an empty input has a valid address, as it has
    // under libFuzzer.
    bytes.push_back(0);
    std::cerr << "replay: " << file.string() << " (" << size << " bytes)\n";
    LLVMFuzzerTestOneInput(bytes.data(), size);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " FILE_OR_FOLDER...\n";
        return 1;
    }
    std::vector<fs::path> files;
    bool readable = true;
    for (int i = 1; i < argc; ++i) {
        readable = collect(argv[i], files) && readable;
    }
    if (files.empty()) {
        std::cerr << "replay: no input found\n";
        return 1;
    }
    for (const fs::path& file : files) {
        readable = replay(file) && readable;
    }
    std::cerr << "replay: " << files.size() << " inputs run\n";
    return readable ? 0 : 1;
}
