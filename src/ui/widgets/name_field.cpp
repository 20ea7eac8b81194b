#include "ui/widgets/name_field.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "model/name_limit.h"

namespace velko::ui {

namespace {

// Characters as the name limit counts them: a surrogate pair is one.
int characters(const QString& text) {
  return static_cast<int>(text.toStdU32String().size());
}

// The position `count` characters before `end`, never inside a surrogate pair.
int charactersBefore(const QString& text, int end, int count) {
  int at = end;
  for (int k = 0; k < count && at > 0; ++k) {
    --at;
    if (at > 0 && text.at(at).isLowSurrogate() && text.at(at - 1).isHighSurrogate()) --at;
  }
  return at;
}

// A name typed or pasted beyond the limit is cut to fit: what came in last (it ends at the
// cursor) loses its end, so a pasted name keeps its first characters.
class NameValidator : public QValidator {
 public:
  explicit NameValidator(QLineEdit* box) : QValidator(box), before_(characters(box->text())) {
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { before_ = characters(text); });
  }

  State validate(QString& input, int& cursor) const override {
    const int excess = characters(input) - kNameMaxChars;
    if (excess <= 0) return Acceptable;
    // A longer name read from an old file is left as it is, and only what came in is cut.
    const int added = std::min(excess, characters(input) - before_);
    if (added > 0) {
      const int from = charactersBefore(input, cursor, added);
      input.remove(from, cursor - from);
      cursor = from;
    }
    return characters(input) <= kNameMaxChars ? Acceptable : Intermediate;
  }

 private:
  int before_;  // the characters of the box before this edit
};

}  // namespace

void limitNameInput(QLineEdit* box) {
  box->setValidator(new NameValidator(box));
  box->setToolTip(QString(qtTrId("名前は%1文字まで")).arg(kNameMaxChars));
}

void showName(QLabel* label, const QString& name) {
  label->ensurePolished();
  const int room =
      label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
  label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, room));
  label->setToolTip(name);
  // A screen reader says the whole name, not the shortened one.
  label->setAccessibleName(name);
}

}  // namespace velko::ui
