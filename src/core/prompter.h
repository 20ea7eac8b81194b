#pragma once
// How the rules ask and tell the player. The rules call a Prompter; the screens answer.
// DialogPrompter holds the routines' own rules (captions, button labels, heights, the Yes/No
// codes) over a MessageDialog that a screen, or a test, shows.

#include <cstdint>
#include <string>

namespace velko {

// Answers, as the platform's message box numbers them.
inline constexpr int kAnswerOK = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// The caption of the game's dialogs and plain message boxes.
inline constexpr const char* kGameTitle = "VELKO";

class Prompter {
 public:
  virtual ~Prompter() = default;
  // The game's own dialog: 1 for OK, 2 for Cancel, 0 when closed by the window frame.
  virtual int askOK(const std::string& text) = 0;
  virtual int askOKCaption(const std::string& text, const std::string& caption) = 0;
  // 6 for Yes, 7 for No or the window frame.
  virtual int askYesNo(const std::string& text, const std::string& caption) = 0;
  virtual void notify(const std::string& text) = 0;
  virtual void notifyCaption(const std::string& text, const std::string& caption) = 0;
  virtual void notifyTall(const std::string& text, const std::string& caption, int16_t lines) = 0;
  // notify, with a picture (a file) beside the text: the championship shows the Doll.
  virtual void notifyPicture(const std::string& text, const std::string& picture) {
    (void)picture;
    notify(text);
  }
  // The platform's plain message box with the game's title as caption.
  virtual void msgBox(const std::string& text) = 0;
  virtual int msgBoxOKCancel(const std::string& text) = 0;  // 1 or 2
  virtual int msgBoxYesNo(const std::string& text) = 0;     // 6 or 7

  // Questions whose first answer loses something (a bout, unsaved work, a save slot, a part):
  // the other answer is the default button, so a stray Return keeps what there is.
  virtual int askOKSafe(const std::string& text) { return askOK(text); }
  virtual int askYesNoSafe(const std::string& text, const std::string& caption) {
    return askYesNo(text, caption);
  }
  virtual int msgBoxOKCancelSafe(const std::string& text) { return msgBoxOKCancel(text); }

  // A music track or the sound effect could not start: the plain box with the text.
  virtual void cannotPlay(const std::string& text) { msgBox(text); }
  // A track did start: the sound device works (again).
  virtual void playing() {}
};

// One showing of the game's dialog.
struct DialogRequest {
  std::string caption;
  std::string text;
  std::string okCaption = "OK";
  std::string cancelCaption = "Cancel";
  bool cancelVisible = true;
  int16_t lines = 3;
  // Cancel (No) rather than OK (Yes) is the default button.
  bool safeDefault = false;
  std::string picture;  // a picture file shown beside the text, or none
};

// The dialog's height and the top of its buttons, in twips, for a message of n lines.
int dialogHeightTwips(int16_t lines);
int dialogButtonTopTwips(int16_t lines);
inline constexpr int kTwipsPerPixel = 15;

// What a screen (or a test) provides: show the dialog modally and return its value
// (1 OK pressed, 2 Cancel pressed, 0 closed otherwise), and the plain message boxes.
class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  virtual int show(const DialogRequest& request) = 0;
  virtual void msgBox(const std::string& text) = 0;
  virtual int msgBoxOKCancel(const std::string& text) = 0;
  virtual int msgBoxYesNo(const std::string& text) = 0;
  // The OK/Cancel box with Cancel as its default button.
  virtual int msgBoxOKCancelSafe(const std::string& text) { return msgBoxOKCancel(text); }
  // Music cannot play: the plain box unless the screens tell it their own way.
  virtual void cannotPlay(const std::string& text) { msgBox(text); }
};

class DialogPrompter : public Prompter {
 public:
  explicit DialogPrompter(MessageDialog& dialog) : dialog_(dialog) {}

  int askOK(const std::string& text) override;
  int askOKCaption(const std::string& text, const std::string& caption) override;
  int askYesNo(const std::string& text, const std::string& caption) override;
  void notify(const std::string& text) override;
  void notifyCaption(const std::string& text, const std::string& caption) override;
  void notifyTall(const std::string& text, const std::string& caption, int16_t lines) override;
  void notifyPicture(const std::string& text, const std::string& picture) override;
  void msgBox(const std::string& text) override;
  int msgBoxOKCancel(const std::string& text) override;
  int msgBoxYesNo(const std::string& text) override;
  int askOKSafe(const std::string& text) override;
  int askYesNoSafe(const std::string& text, const std::string& caption) override;
  int msgBoxOKCancelSafe(const std::string& text) override;
  // A machine without a sound device would otherwise stop every fight with the same box:
  // the first failure is told, the next ones are not, until a track starts again.
  void cannotPlay(const std::string& text) override;
  void playing() override { cannotPlayTold_ = false; }

 private:
  int showOK(const std::string& text, const std::string& caption, bool safeDefault);
  int showYesNo(const std::string& text, const std::string& caption, bool safeDefault);
  // A notice: OK only, at the set height.
  DialogRequest notice(const std::string& text, const std::string& caption) const;

  MessageDialog& dialog_;
  bool cannotPlayTold_ = false;
  // The dialog keeps a set height until it is set again; notifyTall sets it back to 3.
  int16_t lines_ = 3;
};

}  // namespace velko
