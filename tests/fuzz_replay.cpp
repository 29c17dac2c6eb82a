// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz harness over stored inputs without libFuzzer, so that the seeds and every crash
// input once found are checked by any compiler: each file named, and each file in each folder
// named, in name order. A harness reports a broken invariant by aborting; an input that is
// missing is a failure too, so a moved folder cannot turn the test into one that passes.
// Started without arguments it replays the inputs the build registered.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    // Without arguments: the inputs the build registered with CTest, separated by '|'.
    std::vector<std::string> named(argv + std::min(argc, 1), argv + argc);
    if (named.empty()) {
        const std::string stored = QUADRINO_REPLAY_INPUTS;
        for (std::size_t from = 0; from <= stored.size();) {
            const std::size_t to = std::min(stored.find('|', from), stored.size());
            if (to > from) named.push_back(stored.substr(from, to - from));
            from = to + 1;
        }
    }
    std::vector<fs::path> inputs;
    for (const std::string& name : named) {
        const fs::path arg(name);
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<fs::path> found;
            for (const auto& entry : fs::directory_iterator(arg, ec))
                if (entry.is_regular_file()) found.push_back(entry.path());
            std::sort(found.begin(), found.end());
            inputs.insert(inputs.end(), found.begin(), found.end());
        } else if (fs::is_regular_file(arg, ec)) {
            inputs.push_back(arg);
        } else {
            std::fprintf(stderr, "no such input: %s\n", name.c_str());
            return 2;
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...: no inputs to replay\n",
                     argc > 0 ? argv[0] : "replay");
        return 2;
    }
    for (const fs::path& p : inputs) {
        std::ifstream in(p, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in.eof() && in.fail()) {
            std::fprintf(stderr, "cannot read %s\n", p.string().c_str());
            return 2;
        }
        // Named first: an input that aborts is the last one printed.
        std::fprintf(stderr, "%s\n", p.string().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
    return 0;
}
