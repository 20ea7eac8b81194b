#include "sim/league_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <numeric>
#include <system_error>

#include "data/files/file_bytes.h"
#include "data/share/doll_share.h"
#include "league/league_table.h"
#include "league/registry_entrant.h"
#include "sim/registry_roster.h"
#include "sim/reports.h"
#include "sim/text_width.h"

namespace velko::sim {

namespace {

namespace fs = std::filesystem;

// The league's entrants with the name each is printed under: the Doll's own, and where two
// entrants share it, where each came from, so that no two rows of the table read alike.
struct Entrants {
  League league;
  std::vector<std::string> names;
  std::vector<std::string> sources;
};

// Adds the text unless an entrant already holds it, which `err` then names.
void addText(Entrants& e, const std::string& text, const std::string& name,
             const std::string& source, std::ostream& err) {
  const size_t k = static_cast<size_t>(addEntrant(e.league, text));
  if (k < e.names.size()) {
    err << source << ": the same Doll as " << e.sources[k] << ", taken once\n";
    return;
  }
  e.names.push_back(name);
  e.sources.push_back(source);
}

void tellApartSharedNames(Entrants& e) {
  std::vector<std::string> told = e.names;
  for (size_t k = 0; k < told.size(); ++k) {
    if (std::count(e.names.begin(), e.names.end(), e.names[k]) > 1)
      told[k] += " (" + e.sources[k] + ")";
  }
  e.names = told;
}

// The folder's Doll files by name; a file the reader refuses is named on `err` and left out.
// False when the folder cannot be listed.
bool addDollFiles(const GameFolder& folder, const fs::path& dir, Entrants& e, std::ostream& err) {
  std::error_code error;
  fs::directory_iterator listing(dir, error);
  if (error) {
    err << dir.string() << ": cannot list the Doll files: " << error.message() << "\n";
    return false;
  }
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : listing) {
    if (entry.is_regular_file() && entry.path().extension() == ".velkodoll")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::string bytes;
    const DollImport in = readBytes(file, bytes) ? readDollShare(folder, bytes)
                                                 : DollImport{nullptr, nullptr, "cannot read"};
    if (!in.accepted()) {
      err << file.string() << ": " << in.error << "\n";
      continue;
    }
    addText(e, bytes, in.doll->name, file.filename().string(), err);
  }
  return true;
}

std::string csvField(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text)
    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void writeCsv(const fs::path& dir, const LeagueTable& t, const std::vector<std::string>& names) {
  fs::create_directories(dir);
  std::ofstream rows(dir / "league.csv", std::ios::binary);
  rows << "rank,name,rating,margin95,games,wins,losses,draws,average_score\n";
  for (size_t k = 0; k < t.rows.size(); ++k) {
    const StandingRow& r = t.rows[k];
    rows << k + 1 << ',' << csvField(names[r.entrant]) << ',' << std::fixed << std::setprecision(1)
         << r.rating.elo << ',' << r.rating.margin << ',' << r.games << ',' << r.wins << ','
         << r.losses << ',' << r.draws << ',' << std::setprecision(4) << r.averageScore << "\n";
  }
  std::ofstream cross(dir / "league_cross.csv", std::ios::binary);
  cross << "name,opponent,fights,wins,losses,draws,expected_score,deviation\n";
  for (size_t x = 0; x < t.rows.size(); ++x) {
    for (size_t y = 0; y < t.rows.size(); ++y) {
      const CrossCell& c = t.cells[x][y];
      if (c.tally.fights == 0) continue;
      cross << csvField(names[t.rows[x].entrant]) << ',' << csvField(names[t.rows[y].entrant])
            << ',' << c.tally.fights << ',' << c.tally.winsA << ',' << c.tally.winsB << ','
            << c.tally.draws << ',' << std::fixed << std::setprecision(4) << c.expected << ','
            << std::setprecision(2) << c.deviation << "\n";
    }
  }
}

void printTable(std::ostream& out, const LeagueTable& t, const std::vector<std::string>& names) {
  out << "rank name                          rating    95%  games  wins  losses  draws  score\n";
  for (size_t k = 0; k < t.rows.size(); ++k) {
    const StandingRow& r = t.rows[k];
    out << std::setw(4) << k + 1 << ' ' << fitColumns(names[r.entrant], 28) << std::fixed
        << std::setprecision(0) << std::setw(8) << r.rating.elo << "  ±" << std::setw(4)
        << r.rating.margin << std::setw(7) << r.games << std::setw(6) << r.wins << std::setw(8)
        << r.losses << std::setw(7) << r.draws << ' ' << percent(r.averageScore, 6) << "%\n";
  }
}

}  // namespace

int runLeagueCommand(const SimOptions& o, std::ostream& out, std::ostream& err) {
  const GameFolder folder(o.game);
  Entrants e;
  if (!o.dolls.empty() && !addDollFiles(folder, o.dolls, e, err)) return 1;
  if (o.withRegistry) {
    for (const RosterDoll& d : loadRoster(folder, o.registry))
      addText(e, registryEntrantText(*d.doll, d.number), d.doll->name,
              "registry " + std::to_string(d.number), err);
  }
  if (e.league.entrants.size() < 2) {
    err << "a league needs at least two Dolls (--dolls DIR, --registry)\n";
    return 1;
  }
  tellApartSharedNames(e);
  const std::vector<DollRef> dolls = entrantDolls(folder, e.league);
  std::vector<int> entrants(dolls.size());
  std::iota(entrants.begin(), entrants.end(), 0);
  out << "league: " << dolls.size() << " Dolls, " << o.fights << " fights per pair, seed " << o.seed
      << "\n\n";
  e.league.runs.push_back(
      runRoundRobin(dolls, entrants, {.fightsPerPair = o.fights, .seed = o.seed}));
  const LeagueTable table = leagueTable(e.league);
  printTable(out, table, e.names);
  if (!o.csv.empty()) {
    writeCsv(o.csv, table, e.names);
    out << "\nwritten to " << (fs::path(o.csv) / "league.csv").string() << " and "
        << (fs::path(o.csv) / "league_cross.csv").string() << "\n";
  }
  return 0;
}

}  // namespace velko::sim
