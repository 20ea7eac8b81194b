#pragma once
// The beginner's guide of the program editor: an opening text and four more pages, paged by
// clicking the guide; the fifth click hides the pane.

#include <cstdint>
#include <string>

namespace velko {

class ProgramGuide {
 public:
  // The Doll's AP and memory go into the second page's advice.
  ProgramGuide(bool guideOn, int16_t dollAP, int16_t dollMemory);

  // Form_Load: the opening text when the guide option is on, else the pane hidden.
  void open();
  // dspGuide_Click: the next page, or the pane hidden after the last one.
  void dspGuide_Click();

  bool visible() const { return visible_; }
  const std::string& text() const { return text_; }
  int page() const { return page_; }

 private:
  void showGuide(const std::string& text);

  bool guideOn_;
  int16_t dollAP_;
  int16_t dollMemory_;
  bool visible_ = false;
  std::string text_;
  int page_ = 0;
};

}  // namespace velko
