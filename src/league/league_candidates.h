#pragma once
// The Dolls a league may take in besides its own entrants: the player's Doll, the registry's
// and the Doll files of a folder, each as the text the league keeps; and the joining of the
// chosen texts to the league.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "league/league.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

// The player's Doll as a Doll file, or why the Doll file reader refuses it.
struct PlayerCandidate {
  std::string text;
  std::string refusal;  // empty when the Doll may join

  bool accepted() const { return refusal.empty(); }
};

PlayerCandidate playerCandidate(const GameFolder& folder, const Owner& pilot, const doll& d);

struct RegistryCandidate {
  int16_t id = 0;
  DollRef doll;
  std::string text;  // registryEntrantText
};

// Every opponent of the registry, read only. Throws DataFileError when the registry cannot be
// read.
std::vector<RegistryCandidate> registryCandidates(const GameFolder& folder);

struct FileCandidate {
  std::string fileName;
  DollRef doll;
  std::string text;  // the file's bytes
};

struct FolderCandidates {
  std::vector<FileCandidate> accepted;  // in name order
  std::vector<std::string> refused;     // "file: reason", or that the folder has no Doll file
};

// The Doll files (*.velkodoll, the ending in any case; hidden files and folders left out) of
// `dir`, read with the game folder's catalogue.
FolderCandidates folderCandidates(const GameFolder& folder, const std::filesystem::path& dir);

// The numbers in the league of the chosen texts, in rising order. A text the league does not
// hold yet joins it with its Doll built, so `dolls` stays in step with the entrants. Throws
// std::invalid_argument naming the entrant when a text is refused; the texts before it have
// joined.
std::vector<int> joinEntrants(const GameFolder& folder, League& league, std::vector<DollRef>& dolls,
                              const std::vector<std::string>& texts);

}  // namespace velko
