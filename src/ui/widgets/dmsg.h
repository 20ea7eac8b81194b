#pragma once
// The game's own message dialog: a caption, a message and up to two buttons, placed over the
// workshop window. Each use is a fresh dialog; `value` says which button closed it.

#include <QDialog>

class QLabel;
class QPixmap;
class QPushButton;

namespace velko::ui {

class DMsg : public QDialog {
  Q_OBJECT

 public:
  explicit DMsg(QWidget* owner = nullptr);

  // 1 after OK, 2 after Cancel, 0 while neither was pressed (or closed by the frame).
  int value() const { return value_; }

  // Places the dialog a third of the way into the owner window and shows the text.
  void setDialog(const QString& text);
  // Height for n lines of message: n x 200 + 1200 twips, buttons at n x 200 + 400. A text
  // that needs more room makes the dialog wider (for a long line) and taller, within the
  // screen; a text that fits keeps these sizes.
  void setHeight(int lines);
  // Makes Cancel the default button (and the focused one), for questions whose OK loses
  // something.
  void setCancelDefault();

  // A picture beside the message (the championship's Doll); the dialog grows to hold it.
  void setPicture(const QPixmap& picture);
  // A panel under the buttons (the chances before a tournament); the dialog grows to hold it.
  void addBelow(QWidget* panel);

  QLabel* lblMsg() const { return lblMsg_; }
  QLabel* picture() const { return picture_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private:
  void cmdOK_Click();
  void cmdCancel_Click();
  // Sizes the dialog for the stated lines and the text, then places label and buttons.
  void fitText();
  void layoutButtons();
  // The width the picture takes left of the message, with its gap; 0 without one.
  int pictureRoom() const;

  QLabel* lblMsg_;
  QLabel* picture_ = nullptr;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  QWidget* below_ = nullptr;
  int value_ = 0;
  int statedHeight_ = 0;
  int statedButtonTop_ = 0;
  int buttonTop_ = 0;
};

// Twips to pixels at the game's 15 twips to the pixel.
int twipsToPixels(int twips);

}  // namespace velko::ui
