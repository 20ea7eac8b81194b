#include "sim/roster_description.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

#include "data/catalogue/catalogue.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_logic_record.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "sim/sim_random.h"

namespace velko::sim {

namespace {

int16_t numberOf(const std::string& text, const std::string& where) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 32767)
    throw std::invalid_argument(where + ": not a number: " + text);
  return static_cast<int16_t>(value);
}

std::vector<int16_t> listOf(const std::string& text, const std::string& where) {
  std::vector<int16_t> ids;
  if (text == "-") return ids;
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, ','))
    ids.push_back(numberOf(item, where));
  return ids;
}

std::string joined(const std::vector<int16_t>& ids) {
  if (ids.empty()) return "-";
  std::string text;
  for (size_t k = 0; k < ids.size(); ++k)
    text += (k ? "," : "") + std::to_string(ids[k]);
  return text;
}

const std::string kDollHeading[] = {
    "# VELKO factory opponents: copied to save/EDollsv.ini by the reset.",
    "# Written by velko-roster from assets/factory_roster.txt; edit that and run it again.",
    "# record: .number / name / ownerID, pow, offence, defence / move, jump, spin /",
    "#         AC, AP, memory / motor, frame / boosters / protectors /",
    "#         computer, software / junk, 1, value, weight / picture",
};

const std::string kLogicHeading[] = {
    "# VELKO factory patterns: copied to save/ELogicsv.ini by the reset.",
    "# Written by velko-roster from assets/factory_roster.txt; edit that and run it again.",
    "# record: .number / Doll number / name / AP, memory / action IDs, then 0",
};

}  // namespace

std::vector<RosterEntry> parseRosterDescription(const std::string& text) {
  std::vector<RosterEntry> entries;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;)
      w.push_back(word);
    if (w.empty() || w[0][0] == '#') continue;
    const std::string where = "line " + std::to_string(number);
    if (w.size() != 9) throw std::invalid_argument(where + ": nine columns are needed");
    RosterEntry e;
    e.name = w[0];
    e.skill = numberOf(w[1], where);
    e.motor = numberOf(w[2], where);
    e.frame = numberOf(w[3], where);
    e.hard = numberOf(w[4], where);
    std::string software = w[5];
    std::replace(software.begin(), software.end(), '/', ',');
    const std::vector<int16_t> soft = listOf(software, where);
    if (soft.size() != 3) throw std::invalid_argument(where + ": software is M/A/D");
    e.softM = soft[0];
    e.softA = soft[1];
    e.softD = soft[2];
    e.boosters = listOf(w[6], where);
    e.protectors = listOf(w[7], where);
    if (w[8] == "striker") {
      e.style = PatternStyle::Striker;
    } else if (w[8] == "grappler") {
      e.style = PatternStyle::Grappler;
    } else {
      throw std::invalid_argument(where + ": the style is striker or grappler");
    }
    entries.push_back(e);
  }
  return entries;
}

DollRef buildRosterDoll(const GameFolder& catalogue, const RosterEntry& e, Prompter& prompter) {
  auto d = std::make_shared<doll>();
  d->name = e.name;
  d->Motor = ld_Motor(catalogue, e.motor);
  d->frame = ld_Frame(catalogue, e.frame);
  d->Hard = ld_Hard(catalogue, e.hard);
  d->setSoftM(0, ld_SoftM(catalogue, e.softM));
  d->setSoftA(0, ld_SoftA(catalogue, e.softA));
  d->setSoftD(0, ld_SoftD(catalogue, e.softD));
  const std::string who = e.name + ": ";
  if (d->Motor->name.empty() || d->frame->name.empty() || d->Hard->name.empty() ||
      d->getSoftM(0)->name.empty() || d->getSoftA(0)->name.empty() ||
      d->getSoftD(0)->name.empty()) {
    throw std::invalid_argument(who + "a part is not in the catalogue");
  }
  for (int16_t id : e.boosters) {
    const BoosterRef b = ld_Boost(catalogue, id);
    if (b->name.empty() || !d->addBooster(b))
      throw std::invalid_argument(who + "booster " + std::to_string(id) + " does not fit");
  }
  for (size_t k = 0; k < e.protectors.size(); ++k) {
    const int16_t id = e.protectors[k];
    const ProtectorRef p = ld_Protect(catalogue, id);
    if (p->name.empty())
      throw std::invalid_argument(who + "protector " + std::to_string(id) +
                                  " is not in the catalogue");
    p->name = pieceName(p->name, e.protectors, k);
    if (!d->addProtector(p, prompter))
      throw std::invalid_argument(who + "protector " + std::to_string(id) + " does not fit");
  }
  Owner pilot;
  pilot.skillPlay = e.skill;
  resetDollParam(*d, pilot);
  if (d->weight <= 0 || d->move / d->weight < 1)
    throw std::invalid_argument(who + "cannot close in (move / weight below 1)");
  programDoll(*d, sensiblePatternsFor(*d, e.style), prompter);
  int memory = 0;
  for (int k = 0; k < 6; ++k)
    memory += d->getLogic(k)->Memory;
  if (memory > d->Memory) throw std::invalid_argument(who + "the patterns do not fit its memory");
  return d;
}

RosterFiles writeRoster(const std::vector<DollRef>& dolls) {
  RosterFiles files;
  files.dolls.assign(std::begin(kDollHeading), std::end(kDollHeading));
  files.logics.assign(std::begin(kLogicHeading), std::end(kLogicHeading));
  int logicNumber = 0;
  for (size_t n = 0; n < dolls.size(); ++n) {
    const int number = static_cast<int>(n) + 1;
    for (const std::string& line : enemyDollLines(enemyDollRecordOf(*dolls[n]), number))
      files.dolls.push_back(line);
    for (int k = 0; k < 6; ++k) {
      const auto record = enemyLogicRecordOf(*dolls[n]->getLogic(k), number);
      for (const std::string& line : enemyLogicLines(record, ++logicNumber))
        files.logics.push_back(line);
    }
  }
  return files;
}

std::string describe(const RosterEntry& e) {
  std::ostringstream line;
  line << e.name << ' ' << e.skill << ' ' << e.motor << ' ' << e.frame << ' ' << e.hard << ' '
       << e.softM << '/' << e.softA << '/' << e.softD << ' ' << joined(e.boosters) << ' '
       << joined(e.protectors) << ' '
       << (e.style == PatternStyle::Grappler ? "grappler" : "striker");
  return line.str();
}

}  // namespace velko::sim
