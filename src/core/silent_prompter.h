#pragma once
// A prompter for fights and files nobody watches: the lab, the league, the simulator and the
// Doll file's recomputation.

#include <cstdint>
#include <string>

#include "core/prompter.h"

namespace velko {

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

}  // namespace velko
