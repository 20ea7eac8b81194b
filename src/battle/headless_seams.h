#pragma once
// The seams of a fight without a screen: a view that only keeps the narration, a prompter that
// nobody answers, and after-fight hooks that bring nothing.

#include <string>
#include <vector>

#include "battle/after_fight.h"
#include "battle/blank_fight_view.h"
#include "core/prompter.h"

namespace velko {

class NarrationLog : public BlankFightView {
 public:
  explicit NarrationLog(bool keep) : keep_(keep) {}
  void dspMsg(const std::string& text) override;

  // Each text the narration area showed, in order (when kept).
  std::vector<std::string> narration;

 private:
  bool keep_;
};

// Every notice goes unseen; every question gets the same answer (declined unless agreeing).
class SilentPrompter : public Prompter {
 public:
  explicit SilentPrompter(bool agree = false) : agree_(agree) {}
  int askOK(const std::string&) override { return agree_ ? kAnswerOK : kAnswerCancel; }
  int askOKCaption(const std::string&, const std::string&) override {
    return agree_ ? kAnswerOK : kAnswerCancel;
  }
  int askYesNo(const std::string&, const std::string&) override {
    return agree_ ? kAnswerYes : kAnswerNo;
  }
  void notify(const std::string&) override {}
  void notifyCaption(const std::string&, const std::string&) override {}
  void notifyTall(const std::string&, const std::string&, int16_t) override {}
  void msgBox(const std::string&) override {}
  int msgBoxOKCancel(const std::string&) override { return agree_ ? kAnswerOK : kAnswerCancel; }
  int msgBoxYesNo(const std::string&) override { return agree_ ? kAnswerYes : kAnswerNo; }

 private:
  bool agree_;
};

// The Dolls keep their damage; whoever runs the fight decides what to do with them.
class NoAfterFight : public AfterFight {
 public:
  void setWin(int16_t) override {}
  void levelUp(int16_t) override {}
  void winFight() override {}
  void countLoss() override {}
  void loseFight() override {}
  void Shunyu() override {}
  void Shuri() override {}
  void initParam() override {}
};

}  // namespace velko
