#pragma once
// What every fuzz target shares: the input cut into the files a reader takes together, and a
// game folder of its own (with the built catalogue) to put them in. The folder lies in memory
// (/dev/shm) where there is one, so the syncs of a commit cost nothing.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velko::fuzz {

// Between two files of one input: three group separators, a sequence no game file holds.
inline constexpr const char* kFileSeparator = "\x1d\x1d\x1d";

// The input as `count` files: the first count-1 separators cut it; missing files are empty.
std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t count);

// The files joined as one input, as the seeds are written.
std::string joinFiles(const std::vector<std::string>& files);

// A game folder for this process: ini/ copied from the built game folder, save/ present.
// Made on the first call and removed when the process ends.
const std::filesystem::path& fuzzFolder();

// Writes bytes to a file under the fuzz folder ("save/EDollsv.ini").
void putFile(const std::string& relative, const std::string& bytes);

}  // namespace velko::fuzz
