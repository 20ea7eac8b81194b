#include "ui/fight/narration_view.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QWheelEvent>
#include <algorithm>

#include "ui/widgets/accessible_role.h"

namespace velko::ui {

namespace {

constexpr int kPadding = 2;
// Older steps beyond this are dropped; a fight is read step by step, not as a whole.
constexpr size_t kKeptSteps = 60;

QStringList wrap(const QString& text, const QFont& font, int width) {
  if (text.isEmpty() || width <= 0) return {text};
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    // Untrimmed: a blank that opens a line of the battle's text is part of it.
    lines << text.mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  return lines;
}

QColor colourOf(int kind) {
  switch (kind) {
    case 0:
      return QColor(255, 179, 71);  // heading
    case 1:
      return QColor(112, 124, 148);  // earlier steps
    default:
      return QColor(232, 238, 248);  // the newest step
  }
}

}  // namespace

NarrationView::NarrationView(QWidget* parent) : QWidget(parent) {
  setObjectName("narration");
  setAccessibleRole(this, QAccessible::StaticText);
  steps_.push_back({});
}

int NarrationView::lineHeight() const {
  return fontMetrics().lineSpacing();
}

int NarrationView::visibleLines() const {
  return std::max(1, (height() - 2 * kPadding) / lineHeight());
}

int NarrationView::lastFirst() const {
  return std::max(0, lineCount() - visibleLines());
}

void NarrationView::beginStep() {
  beginStep(step() + 1);
}

void NarrationView::beginStep(int number) {
  steps_.push_back({number, QString()});
  if (steps_.size() > kKeptSteps) steps_.erase(steps_.begin());
  rebuild();
  showNewest();
  tellReader();
}

void NarrationView::setStepText(const QString& text) {
  if (step() == 0 && text.isEmpty()) {
    steps_.assign(1, {});
  } else {
    steps_.back().text = text;
  }
  rebuild();
  showNewest();
  tellReader();
}

// A screen reader reads the newest step, its heading first.
void NarrationView::tellReader() {
  QStringList newest;
  for (int k = currentStart_; k < lineCount(); ++k)
    newest << lines_[k].text;
  setAccessibleName(newest.join('\n'));
}

void NarrationView::rebuild() {
  lines_.clear();
  const int width = this->width() - 2 * kPadding;
  for (size_t s = 0; s < steps_.size(); ++s) {
    const Step& step = steps_[s];
    const bool newest = s + 1 == steps_.size();
    if (newest) currentStart_ = lineCount();
    if (step.number > 0)
      lines_.push_back({QString(qtTrId("―― 第%1手 ――")).arg(step.number), Kind::Heading});
    QString text = step.text;
    while (text.endsWith('\n'))
      text.chop(1);
    if (text.isEmpty()) continue;
    for (const QString& line : text.split('\n')) {
      for (const QString& part : wrap(line, font(), width))
        lines_.push_back({part, newest ? Kind::Current : Kind::Old});
    }
  }
}

// The newest step from its heading, or as much of its end as fits below earlier lines.
void NarrationView::showNewest() {
  const int newestLines = lineCount() - currentStart_;
  if (newestLines > visibleLines()) {
    setFirst(currentStart_);
  } else {
    setFirst(lastFirst());
  }
}

void NarrationView::scrollLines(int lines) {
  setFirst(first_ + lines);
}

void NarrationView::setFirst(int first) {
  first_ = std::clamp(first, 0, lastFirst());
  update();
  emit moved(first_ > 0, first_ < lastFirst());
}

QStringList NarrationView::visibleText() const {
  QStringList shown;
  const int end = std::min(lineCount(), first_ + visibleLines());
  for (int i = first_; i < end; ++i)
    shown << lines_[i].text;
  return shown;
}

void NarrationView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFont bold = font();
  bold.setBold(true);
  const int height = lineHeight();
  const int ascent = fontMetrics().ascent();
  const int end = std::min(lineCount(), first_ + visibleLines());
  for (int i = first_; i < end; ++i) {
    const Line& line = lines_[i];
    const bool strong = line.kind == Kind::Heading;
    p.setFont(strong ? bold : font());
    p.setPen(colourOf(static_cast<int>(line.kind)));
    p.drawText(kPadding, kPadding + (i - first_) * height + ascent, line.text);
  }
}

void NarrationView::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) {
    event->ignore();
    return;
  }
  scrollLines(-notches * QApplication::wheelScrollLines());
  event->accept();
}

void NarrationView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  rebuild();
  showNewest();
}

}  // namespace velko::ui
