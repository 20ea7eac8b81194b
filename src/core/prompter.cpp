#include "core/prompter.h"

namespace velko {

int dialogHeightTwips(int16_t lines) {
  return lines * 200 + 1200;
}

int dialogButtonTopTwips(int16_t lines) {
  return lines * 200 + 400;
}

int DialogPrompter::askOK(const std::string& text) {
  return askOKCaption(text, kGameTitle);
}

int DialogPrompter::askOKCaption(const std::string& text, const std::string& caption) {
  return showOK(text, caption, false);
}

int DialogPrompter::askOKSafe(const std::string& text) {
  return showOK(text, kGameTitle, true);
}

int DialogPrompter::showOK(const std::string& text, const std::string& caption, bool safeDefault) {
  DialogRequest request;
  request.caption = caption;
  request.text = text;
  request.lines = lines_;
  request.safeDefault = safeDefault;
  return dialog_.show(request);
}

int DialogPrompter::askYesNo(const std::string& text, const std::string& caption) {
  return showYesNo(text, caption, false);
}

int DialogPrompter::askYesNoSafe(const std::string& text, const std::string& caption) {
  return showYesNo(text, caption, true);
}

int DialogPrompter::showYesNo(const std::string& text, const std::string& caption,
                              bool safeDefault) {
  DialogRequest request;
  request.caption = caption;
  request.text = text;
  request.okCaption = "Yes";
  request.cancelCaption = "No";
  request.lines = lines_;
  request.safeDefault = safeDefault;
  return dialog_.show(request) == kAnswerOK ? kAnswerYes : kAnswerNo;
}

void DialogPrompter::notify(const std::string& text) {
  notifyCaption(text, kGameTitle);
}

DialogRequest DialogPrompter::notice(const std::string& text, const std::string& caption) const {
  DialogRequest request;
  request.caption = caption;
  request.text = text;
  request.cancelVisible = false;
  request.lines = lines_;
  return request;
}

void DialogPrompter::notifyCaption(const std::string& text, const std::string& caption) {
  dialog_.show(notice(text, caption));
}

void DialogPrompter::notifyTall(const std::string& text, const std::string& caption,
                                int16_t lines) {
  lines_ = lines;
  notifyCaption(text, caption);
  lines_ = 3;
}

void DialogPrompter::notifyPicture(const std::string& text, const std::string& picture) {
  DialogRequest request = notice(text, kGameTitle);
  request.picture = picture;
  dialog_.show(request);
}

void DialogPrompter::msgBox(const std::string& text) {
  dialog_.msgBox(text);
}

int DialogPrompter::msgBoxOKCancel(const std::string& text) {
  return dialog_.msgBoxOKCancel(text);
}

int DialogPrompter::msgBoxOKCancelSafe(const std::string& text) {
  return dialog_.msgBoxOKCancelSafe(text);
}

void DialogPrompter::cannotPlay(const std::string& text) {
  if (cannotPlayTold_) return;
  cannotPlayTold_ = true;
  dialog_.cannotPlay(text);
}

int DialogPrompter::msgBoxYesNo(const std::string& text) {
  return dialog_.msgBoxYesNo(text);
}

}  // namespace velko
