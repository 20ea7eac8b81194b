#include "sim/career_report.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "sim/reports.h"

namespace velko::sim {

double quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double at = q * (values.size() - 1);
  const auto low = static_cast<size_t>(at);
  const size_t high = std::min(low + 1, values.size() - 1);
  return values[low] + (at - low) * (values[high] - values[low]);
}

CareerSummary summarize(const std::vector<SensibleCareer>& careers) {
  CareerSummary s;
  s.runs = static_cast<int>(careers.size());
  if (careers.empty()) return s;
  const double n = static_cast<double>(careers.size());
  for (int c = 0; c < kClassCount; ++c) {
    ClassSummary& cs = s.classes[c];
    std::vector<double> months;
    int partsLost = 0;
    int entriesLost = 0;
    for (const SensibleCareer& career : careers) {
      const ClassRecord& r = career.classes[c];
      cs.entered += r.entered;
      cs.championships += r.championships;
      cs.fightsWon += r.fightsWon;
      partsLost += r.partsDestroyed;
      entriesLost += r.entriesWithLoss;
      if (r.firstWinMonth > 0) {
        months.push_back(r.firstWinMonth);
        ++s.firstWins[c][r.firstWinMonth - 1];
      }
    }
    cs.winnerShare = months.size() / n;
    cs.medianFirstWin = quantile(months, 0.5);
    if (cs.entered > 0) {
      cs.destroyedPerEntry = static_cast<double>(partsLost) / cs.entered;
      cs.entriesWithLoss = static_cast<double>(entriesLost) / cs.entered;
    }
  }
  auto quartiles = [](const std::vector<double>& v) {
    return std::array<double, 3>{quantile(v, 0.25), quantile(v, 0.5), quantile(v, 0.75)};
  };
  for (int m = 0; m < kCareerMonths; ++m) {
    std::vector<double> money;
    std::vector<double> value;
    for (const SensibleCareer& career : careers) {
      money.push_back(career.moneyAtMonthEnd[m]);
      value.push_back(career.dollValueAtMonthEnd[m]);
    }
    s.money[m] = quartiles(money);
    s.dollValue[m] = quartiles(value);
  }
  int novices = 0;
  int firstBoutsWon = 0;
  for (const SensibleCareer& career : careers) {
    novices += career.firstNoviceBout != 0;
    firstBoutsWon += career.firstNoviceBout > 0;
  }
  if (novices > 0) s.firstNoviceBoutWon = static_cast<double>(firstBoutsWon) / novices;
  for (const SensibleCareer& career : careers) {
    s.workDays += career.workDays / n;
    s.wins += career.recWin / n;
    s.losses += career.recLoose / n;
    s.championships += career.recChamp / n;
  }
  return s;
}

void printCareerSummary(std::ostream& out, const CareerSummary& s, const std::string& policy) {
  char line[160];
  out << policy << " careers " << s.runs << "\n\n";
  out << "class    won one%  median month  entered  champion  fights won  parts lost/entry"
         "  entries losing a part%\n";
  for (int c = 0; c < kClassCount; ++c) {
    const ClassSummary& cs = s.classes[c];
    std::snprintf(line, sizeof line, "%-7s %9s %13.1f %8d %9d %11d %17.3f %24s\n",
                  className(static_cast<DollClass>(c)), percent(cs.winnerShare, 0).c_str(),
                  cs.medianFirstWin, cs.entered, cs.championships, cs.fightsWon,
                  cs.destroyedPerEntry, percent(cs.entriesWithLoss, 0).c_str());
    out << line;
  }
  out << "first Novice entry: first bout won " << percent(s.firstNoviceBoutWon, 0) << "%\n";
  out << "\nmonth   money q1  median     q3   Doll value q1  median     q3\n";
  for (int m = 0; m < kCareerMonths; ++m) {
    std::snprintf(line, sizeof line, "%5d %10.0f %7.0f %6.0f %15.0f %7.0f %6.0f\n", m + 1,
                  s.money[m][0], s.money[m][1], s.money[m][2], s.dollValue[m][0], s.dollValue[m][1],
                  s.dollValue[m][2]);
    out << line;
  }
  std::snprintf(line, sizeof line,
                "\nfinal record per career: %.2f wins, %.2f losses, %.2f championships, "
                "%.2f work days\n",
                s.wins, s.losses, s.championships, s.workDays);
  out << line;
}

namespace {

std::ofstream openCsv(const std::string& folder, const std::string& name) {
  std::ofstream file(folder + "/" + name);
  if (!file) throw std::runtime_error("cannot write " + folder + "/" + name);
  return file;
}

}  // namespace

void writeCareerCsv(const std::string& folder, const CareerSummary& s) {
  std::ofstream classes = openCsv(folder, "careers-classes.csv");
  classes << "class,won_one_share,median_first_win_month,entered,championships,fights_won,"
             "parts_destroyed_per_entry,entries_losing_a_part_share\n";
  for (int c = 0; c < kClassCount; ++c) {
    const ClassSummary& cs = s.classes[c];
    classes << className(static_cast<DollClass>(c)) << ',' << cs.winnerShare << ','
            << cs.medianFirstWin << ',' << cs.entered << ',' << cs.championships << ','
            << cs.fightsWon << ',' << cs.destroyedPerEntry << ',' << cs.entriesWithLoss << '\n';
  }
  std::ofstream money = openCsv(folder, "careers-money.csv");
  money << "month,money_q1,money_median,money_q3,doll_value_q1,doll_value_median,doll_value_q3\n";
  for (int m = 0; m < kCareerMonths; ++m) {
    money << m + 1;
    for (double v : s.money[m])
      money << ',' << v;
    for (double v : s.dollValue[m])
      money << ',' << v;
    money << '\n';
  }
  std::ofstream months = openCsv(folder, "careers-months.csv");
  months << "month,first_novice_wins,first_expert_wins,first_master_wins\n";
  for (int m = 0; m < kCareerMonths; ++m)
    months << m + 1 << ',' << s.firstWins[0][m] << ',' << s.firstWins[1][m] << ','
           << s.firstWins[2][m] << '\n';
}

}  // namespace velko::sim
