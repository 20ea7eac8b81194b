#pragma once
// A Doll shared as a file: the pilot's name and skill, the Doll's name, its parts as catalogue
// IDs, hit points, stated statistics and six patterns, in a versioned UTF-8 text with a short
// checksum (docs/doll-file-format.md). The reader takes its bytes as untrusted: it refuses
// anything damaged, too large, with a wrong checksum, with parts or actions the catalogue
// lacks, or with statistics and patterns that do not recompute from the parts.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "data/files/game_folder.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

inline constexpr const char* kDollShareMagic = "VELKO-DOLL";
inline constexpr int kDollShareVersion = 1;
inline constexpr size_t kDollShareMaxBytes = 8192;
inline constexpr size_t kDollShareMaxName = 64;  // bytes of UTF-8
inline constexpr int kDollSharePatterns = 6;
inline constexpr int16_t kDollShareMaxSkill = 999;

// The file's text for the pilot and the Doll: every statistic and pattern total as the
// workshop recomputes it, so the reader can check them.
std::string writeDollShare(const Owner& pilot, const doll& d);

struct DollImport {
  std::shared_ptr<Owner> pilot;  // name and piloting skill from the file
  DollRef doll;                  // rebuilt from the catalogue, recomputed, programmed
  std::string error;             // the reason for a refusal; empty when accepted

  bool accepted() const { return error.empty(); }
};

// Reads a Doll file from its bytes. Never throws; a refusal carries its reason and no Doll.
DollImport readDollShare(const GameFolder& folder, std::string_view bytes);

// The reason given for a file above kDollShareMaxBytes.
std::string dollShareTooLarge();

// FNV-1a over the bytes, as eight lower-case hex digits.
std::string dollShareChecksum(std::string_view bytes);
// The body and its last line, "check" and the body's checksum.
std::string checkedText(const std::string& body);

}  // namespace velko
