#include "core/text_cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace velko {

namespace {

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

std::string convert(std::string_view input, const char* from, const char* to, const char* failure) {
  iconv_t raw = iconv_open(to, from);
  if (raw == reinterpret_cast<iconv_t>(-1)) {
    throw EncodingError(std::string("no converter from ") + from + " to " + to, 0);
  }
  std::unique_ptr<void, IconvCloser> cd(raw);

  std::string out;
  out.resize(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  size_t outPos = 0;
  while (inLeft > 0) {
    char* outPtr = out.data() + outPos;
    size_t outLeft = out.size() - outPos;
    const size_t rc = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
    outPos = out.size() - outLeft;
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ (not a character of the source encoding or none in the target) or EINVAL
    // (a sequence cut off at the end).
    throw EncodingError(failure, input.size() - inLeft);
  }
  out.resize(outPos);
  return out;
}

}  // namespace

EncodingError::EncodingError(const std::string& what, size_t offset)
    : std::runtime_error(what), offset_(offset) {}

std::string cp932ToUtf8(std::string_view bytes) {
  return convert(bytes, "CP932", "UTF-8", "bytes that are not Shift_JIS (CP932)");
}

std::string utf8ToCp932(std::string_view text) {
  return convert(text, "UTF-8", "CP932", "a character that Shift_JIS (CP932) cannot hold");
}

}  // namespace velko
