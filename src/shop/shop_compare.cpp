#include "shop/shop_compare.h"

#include "core/shown_text.h"
#include "core/silent_prompter.h"

namespace velko {

namespace {

std::string quotientText(int16_t raw, double weight) {
  const std::optional<int> q = mobilityQuotient(raw, weight);
  return q ? std::to_string(*q) : "--";
}

// Higher is better for every number but the weight; a missing quotient counts as the lowest.
Change changeOf(double now, double then, bool lowerIsBetter = false) {
  if (now == then) return Change::Same;
  const bool higher = then > now;
  return higher != lowerIsBetter ? Change::Better : Change::Worse;
}

double quotientValue(int16_t raw, double weight) {
  const std::optional<int> q = mobilityQuotient(raw, weight);
  return q ? *q : -1e9;
}

void addNumber(PartComparison& c, const std::string& label, double now, double then,
               bool lowerIsBetter = false) {
  c.rows.push_back({label, statText(now), statText(then), changeOf(now, then, lowerIsBetter)});
}

void addMobility(PartComparison& c, const std::string& label, int16_t DollStats::*field) {
  const DollStats& a = c.now;
  const DollStats& b = c.then;
  c.rows.push_back(
      {label, quotientText(a.*field, a.weight), quotientText(b.*field, b.weight),
       changeOf(quotientValue(a.*field, a.weight), quotientValue(b.*field, b.weight))});
}

}  // namespace

int classRank(const std::string& className) {
  if (className == "Master") return 2;
  if (className == "Expert") return 1;
  return 0;
}

PartComparison comparePart(const doll& d, const Owner& pilot, const AnyPart& part) {
  PartComparison c;
  c.now = describe(d, pilot);
  doll withPart = d;
  // The preview asks nothing: a protector that does not fit is simply not mounted.
  SilentPrompter quiet;
  c.fits = mountPart(withPart, part, quiet);
  c.then = describe(withPart, pilot);

  const DollStats& a = c.now;
  const DollStats& b = c.then;
  addNumber(c, shown("モーターHP"), a.motorHP, b.motorHP);
  addNumber(c, shown("フレームHP"), a.frameHP, b.frameHP);
  addNumber(c, shown("パワー"), a.pow, b.pow);
  addNumber(c, "Offence", a.offence, b.offence);
  addNumber(c, "Defence", a.defence, b.defence);
  addMobility(c, shown("移動力"), &DollStats::move);
  addMobility(c, shown("ジャンプ力"), &DollStats::jump);
  addMobility(c, shown("回転力"), &DollStats::spin);
  addNumber(c, shown("アーマークラス"), a.AC, b.AC);
  addNumber(c, shown("重量"), a.weight, b.weight, true);
  addNumber(c, shown("行動力"), a.AP, b.AP);
  addNumber(c, shown("メモリ"), a.memory, b.memory);
  // The value is the price of the Doll and sets its class: neither better nor worse.
  c.rows.push_back({shown("価値"), statText(a.value), statText(b.value),
                    a.value == b.value ? Change::Same : Change::Neutral});
  c.rows.push_back({shown("クラス"), a.className, b.className,
                    a.className == b.className ? Change::Same : Change::Neutral});
  if (classRank(b.className) > classRank(a.className)) {
    c.classNotice =
        fill(shown("このパーツを付けると、トーナメントの出場クラスが%1から%2に上がります。"),
             {a.className, b.className});
  }
  return c;
}

}  // namespace velko
