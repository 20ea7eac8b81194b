#pragma once
// The battle screen's narration: every step's text under a heading with the step's number,
// the newest step bright and the earlier ones dimmed, scrolled by whole lines with the mouse
// wheel and the ▲/▼ buttons. A new step brings its text into view.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace velko::ui {

class NarrationView : public QWidget {
  Q_OBJECT

 public:
  explicit NarrationView(QWidget* parent = nullptr);

  // A press of the next command begins: what was shown becomes history. The step is headed
  // with its number in the bout being fought, or the number after the last heading.
  void beginStep(int number);
  void beginStep();
  // The text of the step under way (replaces what this step showed so far). Before the first
  // step, an empty text clears the view (a fight being set up).
  void setStepText(const QString& text);

  // Moves by whole lines: negative towards the earlier lines.
  void scrollLines(int lines);

  // The number in the heading of the step under way; 0 before the first.
  int step() const { return steps_.back().number; }
  int lineCount() const { return static_cast<int>(lines_.size()); }
  int firstLine() const { return first_; }
  int visibleLines() const;
  // The lines in view, top to bottom.
  QStringList visibleText() const;
  int lineHeight() const;

 signals:
  // The view moved, or its text changed: the buttons may enable or disable.
  void moved(bool canGoUp, bool canGoDown);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Kind { Heading, Old, Current };
  struct Line {
    QString text;
    Kind kind;
  };
  struct Step {
    int number = 0;  // 0: before the first press
    QString text;
  };

  void rebuild();
  void tellReader();
  void showNewest();
  void setFirst(int first);
  int lastFirst() const;

  std::vector<Step> steps_;
  std::vector<Line> lines_;
  int first_ = 0;
  int currentStart_ = 0;  // the first line of the newest step
};

}  // namespace velko::ui
