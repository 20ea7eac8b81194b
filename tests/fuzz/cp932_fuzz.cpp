// CP932 text both ways: bytes that decode must encode again to bytes that decode to the same
// text, and UTF-8 that encodes must be written the same again after a load (a few characters,
// such as U+00AC, are written as their full-width CP932 form and load as that). Refusals are
// EncodingError.

#include <cstdlib>
#include <string>

#include "core/text_cp932.h"

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  try {
    const std::string text = cp932ToUtf8(input);
    // Some characters have two CP932 codes; the text is what must survive.
    if (cp932ToUtf8(utf8ToCp932(text)) != text) std::abort();
  } catch (const EncodingError&) {
  }
  try {
    const std::string bytes = utf8ToCp932(input);
    if (utf8ToCp932(cp932ToUtf8(bytes)) != bytes) std::abort();
  } catch (const EncodingError&) {
  }
  return 0;
}
