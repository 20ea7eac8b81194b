#pragma once
// A MessageDialog for tests: records every showing and answers from a script (OK by default).

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/prompter.h"

namespace velko::testing {

class ScriptedDialog : public MessageDialog {
 public:
  struct Shown {
    DialogRequest request;
    bool plainBox = false;
  };

  // Answers for the next showings: 1 OK, 2 Cancel, 0 closed by the frame (plain boxes: 1/2, 6/7).
  void answer(int value) { answers_.push_back(value); }

  int show(const DialogRequest& request) override {
    shown.push_back({request, false});
    if (onShow) onShow(request.text);
    return next(kAnswerOK);
  }
  void msgBox(const std::string& text) override { plain(text); }
  int msgBoxOKCancel(const std::string& text) override {
    plain(text);
    return next(kAnswerOK);
  }
  int msgBoxOKCancelSafe(const std::string& text) override {
    plain(text);
    shown.back().request.safeDefault = true;
    return next(kAnswerOK);
  }
  int msgBoxYesNo(const std::string& text) override {
    plain(text);
    return next(kAnswerYes);
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const auto& s : shown)
      all.push_back(s.request.text);
    return all;
  }

  std::vector<Shown> shown;
  // Runs at every showing with its text, while the dialog would be on screen.
  std::function<void(const std::string&)> onShow;

 private:
  void plain(const std::string& text) {
    DialogRequest request;
    request.caption = kGameTitle;
    request.text = text;
    shown.push_back({request, true});
    if (onShow) onShow(text);
  }
  int next(int fallback) {
    if (answers_.empty()) return fallback;
    const int value = answers_.front();
    answers_.pop_front();
    return value;
  }

  std::deque<int> answers_;
};

}  // namespace velko::testing
