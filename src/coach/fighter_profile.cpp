#include "coach/fighter_profile.h"

#include <algorithm>
#include <cmath>

namespace velko {

namespace {

// P(2D6 = n) for n = 2..12.
double twoDice(int n) {
  return (6 - std::abs(n - 7)) / 36.0;
}

// The mean of max(0, roll + shift) over a punch (2D6) and a kick (2D8), the two blows.
double meanBlow(double shift) {
  double punch = 0;
  for (int a = 1; a <= 6; ++a)
    for (int b = 1; b <= 6; ++b)
      punch += std::max(0.0, a + b + shift) / 36.0;
  double kick = 0;
  for (int a = 1; a <= 8; ++a)
    for (int b = 1; b <= 8; ++b)
      kick += std::max(0.0, a + b + shift) / 64.0;
  return (punch + kick) / 2;
}

bool isKumiwazaShape(const PatternShape& s) {
  return std::any_of(s.actions.begin(), s.actions.end(),
                     [](int16_t id) { return id == kDrop || id == kHold; });
}

// In contact the computer runs the dearest plain pattern the roll affords.
const PatternShape* chosenFor(const std::vector<PatternShape>& shapes, int budget) {
  const PatternShape* best = nullptr;
  for (const PatternShape& s : shapes) {
    if (s.AP > budget || isKumiwazaShape(s) || s.actions.empty()) continue;
    if (!best || s.AP > best->AP) best = &s;
  }
  return best;
}

}  // namespace

FighterStats statsOf(const doll& d) {
  FighterStats s;
  s.offence = d.offence;
  s.defence = d.defence;
  s.pow = d.pow;
  s.AC = d.AC;
  s.motorHP = d.Motor->maxHP;
  s.frameHP = d.frame->maxHP;
  s.move = d.move;
  s.jump = d.jump;
  s.spin = d.spin;
  s.weight = d.weight;
  s.AP = d.AP;
  return s;
}

std::vector<PatternShape> shapesOf(const doll& d) {
  std::vector<PatternShape> shapes;
  for (int k = 0; k < 7; ++k) {
    const Logic& logic = *d.getLogic(k);
    PatternShape s{logic.AP, {}};
    for (int slot = 0; slot < Logic::kSlots && logic.getActions(slot)->ID != 0; ++slot)
      s.actions.push_back(logic.getActions(slot)->ID);
    shapes.push_back(s);
  }
  return shapes;
}

std::vector<PatternShape> shapesOf(const std::vector<PatternPlan>& plans) {
  std::vector<PatternShape> shapes;
  for (const PatternPlan& p : plans)
    shapes.push_back({p.AP, p.actions});
  return shapes;
}

FighterProfile profileOf(const FighterStats& stats, const std::vector<PatternShape>& shapes) {
  FighterProfile p;
  p.stats = stats;
  const double m = stats.motorHP;
  const double f = stats.frameHP;
  p.hitPoints = m + f > 0 ? 2 * m * f / (m + f) : 0;
  const double w = stats.weight > 0 ? stats.weight : 1;
  p.closesIn = std::floor(stats.move / w) >= 1;
  for (int roll = 2; roll <= 12; ++roll) {
    const PatternShape* s = chosenFor(shapes, roll + stats.AP);
    if (!s) continue;
    double pending = 0;
    for (int16_t id : s->actions) {
      if (id == kMove) {
        pending += std::floor(stats.move / w / 2);
      } else if (id == kJump) {
        pending += std::floor(stats.jump / w);
      } else if (id == kSpin) {
        pending += std::floor(stats.spin / w);
      } else if (id == kPunch || id == kKick) {
        p.blows += twoDice(roll);
        p.bonus += twoDice(roll) * pending;
        pending = 0;
      } else {
        pending = 0;
      }
    }
  }
  return p;
}

FighterProfile profileOf(const doll& d) {
  return profileOf(statsOf(d), shapesOf(d));
}

double hitChance(double offence, double defence) {
  double p = 0;
  for (int a = 2; a <= 12; ++a)
    for (int b = 2; b <= 12; ++b)
      if (offence + a >= defence + b) p += twoDice(a) * twoDice(b);
  return p;
}

namespace {

double damagePerAction(const FighterProfile& a, const FighterProfile& b) {
  const double perBlow = meanBlow(a.stats.pow - b.stats.AC);
  const double dealt = a.blows * perBlow + a.bonus;
  return std::max(0.05, hitChance(a.stats.offence, b.stats.defence) * dealt);
}

}  // namespace

double advantage(const FighterProfile& me, const FighterProfile& rival) {
  const double mine = me.hitPoints / damagePerAction(rival, me);
  const double theirs = rival.hitPoints / damagePerAction(me, rival);
  const double ratio = mine / std::max(0.01, theirs);
  // A Doll that cannot close in never lands a blow on a foe that keeps its distance.
  return me.closesIn ? ratio : 0;
}

FighterProfile averageOf(const std::vector<FighterProfile>& profiles) {
  FighterProfile mean;
  if (profiles.empty()) return mean;
  const double n = static_cast<double>(profiles.size());
  for (const FighterProfile& p : profiles) {
    mean.stats.offence += p.stats.offence / n;
    mean.stats.defence += p.stats.defence / n;
    mean.stats.pow += p.stats.pow / n;
    mean.stats.AC += p.stats.AC / n;
    mean.hitPoints += p.hitPoints / n;
    mean.blows += p.blows / n;
    mean.bonus += p.bonus / n;
  }
  mean.closesIn = true;
  return mean;
}

}  // namespace velko
