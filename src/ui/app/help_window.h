#pragma once
// The help screen (遊び方): what a new player needs to know and the guide pane does not say.
// Opened by F1 and the help menu; it stays beside the game until closed (Esc or 閉じる).

#include <QDialog>

class QTextBrowser;

namespace velko::ui {

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* owner = nullptr);

  QTextBrowser* text() const { return text_; }

  // Shows the owner's help window, opening it on first use; returns it.
  static HelpWindow* showFor(QWidget* owner);

 private:
  QTextBrowser* text_;
};

// The help text as HTML, in the game's language.
QString helpHtml();
QString helpHtmlEnglish();

}  // namespace velko::ui
