#include "ui/widgets/name_field.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "model/name_limit.h"

namespace velko::ui {

namespace {

class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return nameFits(input.toStdString()) ? Acceptable : Invalid;
  }
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
}

}  // namespace velko::ui
