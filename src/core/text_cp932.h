#pragma once
// Conversion between the game's files (CP932, Shift_JIS) and the UTF-8 text used inside the
// program. This is the one place where file text changes encoding.

#include <stdexcept>
#include <string>
#include <string_view>

namespace velko {

class EncodingError : public std::runtime_error {
 public:
  EncodingError(const std::string& what, size_t offset);
  // Byte offset of the first byte that could not be converted.
  size_t offset() const { return offset_; }

 private:
  size_t offset_;
};

// Throws EncodingError at the first byte sequence that is not CP932.
std::string cp932ToUtf8(std::string_view bytes);

// Throws EncodingError at the first character that CP932 cannot hold.
std::string utf8ToCp932(std::string_view text);

}  // namespace velko
