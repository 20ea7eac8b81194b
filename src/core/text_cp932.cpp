#include "core/text_cp932.h"

#include <iconv.h>

#include <cerrno>

namespace velko {

namespace {

// One converter each way per thread, opened on first use: opening one costs far more than
// converting a line, and the readers convert line by line.
class Converter {
 public:
  Converter(const char* from, const char* to) : cd_(iconv_open(to, from)), from_(from), to_(to) {}
  ~Converter() {
    if (opened()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The converter in its initial state, whatever the last conversion left.
  iconv_t fresh() {
    if (!opened()) {
      throw EncodingError(std::string("no converter from ") + from_ + " to " + to_, 0);
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  bool opened() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t cd_;
  const char* from_;
  const char* to_;
};

std::string convert(std::string_view input, Converter& converter, const char* failure) {
  iconv_t raw = converter.fresh();

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
  thread_local Converter toUtf8("CP932", "UTF-8");
  return convert(bytes, toUtf8, "bytes that are not Shift_JIS (CP932)");
}

std::string utf8ToCp932(std::string_view text) {
  thread_local Converter toCp932("UTF-8", "CP932");
  return convert(text, toCp932, "a character that Shift_JIS (CP932) cannot hold");
}

}  // namespace velko
