#pragma once
// Reading a whole file as it is on disk, for the readers that check or copy bytes themselves.

#include <filesystem>
#include <string>

namespace velko {

// The whole file as bytes; false when it is missing, not a regular file, or cannot be read.
[[nodiscard]] bool readBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace velko
