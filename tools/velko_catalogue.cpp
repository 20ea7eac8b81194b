// velko-catalogue GAME_FOLDER: lists every record of the folder's parts catalogue (ini/) in
// UTF-8, or each fault with its file and line. Exits 1 when a fault was found.

#include <iostream>

#include "data/catalogue/catalogue_check.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: velko-catalogue GAME_FOLDER\n";
    return 2;
  }
  const auto checks = velko::checkCatalogue(velko::GameFolder(argv[1]));
  int faults = 0;
  for (const auto& check : checks) {
    std::cout << "== " << check.file << " (" << check.records.size() << ")\n";
    for (const auto& record : check.records)
      std::cout << record << "\n";
    for (const auto& error : check.errors)
      std::cerr << error << "\n";
    faults += static_cast<int>(check.errors.size());
  }
  if (faults > 0) {
    std::cerr << faults << " fault(s) found\n";
    return 1;
  }
  return 0;
}
