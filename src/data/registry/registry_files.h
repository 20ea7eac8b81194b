#pragma once
// The opponent registry's files: the live pair under save/, their copies from before the last
// registration, and the factory pair under ini/ that a reset copies back.

namespace velko {

inline constexpr const char* kEnemyDollFile = "\\save\\EDollsv.ini";
inline constexpr const char* kEnemyLogicFile = "\\save\\ELogicsv.ini";
inline constexpr const char* kEnemyDollCopy = "\\save\\EDollsv.img";
inline constexpr const char* kEnemyLogicCopy = "\\save\\ELogicsv.img";
inline constexpr const char* kFactoryDollFile = "\\ini\\Dollsv.ini";
inline constexpr const char* kFactoryLogicFile = "\\ini\\Logicsv.ini";

// Registration is refused once the last Doll carries this number or more.
inline constexpr int kEnemyRegistryFull = 100;

}  // namespace velko
