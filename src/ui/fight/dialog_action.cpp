#include "ui/fight/dialog_action.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/widgets/name_field.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

constexpr int kWidth = 700;
constexpr int kRowTop = 92;
constexpr int kRowHeight = 44;
constexpr int kNameLeft = 24;
constexpr int kNameWidth = 150;
constexpr int kAPLeft = 182;
constexpr int kAPWidth = 76;
constexpr int kPatternLeft = 266;
constexpr int kPatternWidth = 330;
constexpr int kAdviceLeft = kPatternLeft + kPatternWidth + 8;
constexpr int kAdviceWidth = 82;
constexpr int kAdviceLineHeight = 26;

const char* const kDialogStyle =
    "QDialog { background: #1b2230; }"
    "QLabel { color: #dfe6f2; }"
    "QLabel#dspDollName { color: #ffffff; font-size: 20px; font-weight: bold; }"
    "QLabel[heading=\"true\"] { color: #8f9bb3; font-size: 12px; }"
    "QLabel[field=\"true\"] { background: #252e40; border: 1px solid #36425a;"
    "  border-radius: 4px; padding: 0 8px; font-size: 14px; }"
    "QLabel[ap=\"true\"] { color: #ffcf5a; font-size: 18px; font-weight: bold; }"
    "QPushButton#cmdCancel { background: #2c3548; color: #e6ecf5; border: 1px solid #4a5873;"
    "  border-radius: 5px; font-size: 14px; }"
    "QPushButton#cmdCancel:hover { background: #36425a; }"
    "QPushButton#cmdCancel:focus { border: 2px solid #ffcf5a; }"
    "QFrame#paneGuide { background: #fff4c2; border: 1px solid #e0c060; border-radius: 5px; }"
    "QLabel#dspGuide { color: #3a3000; font-size: 13px; }"
    "QLabel#lblAdvice { background: #ff9d2e; color: #1b2230; border-radius: 4px;"
    "  font-size: 13px; font-weight: bold; }"
    "QLabel#dspAdvice { color: #ffcf5a; font-size: 13px; }";

// White rows can be chosen; grey rows cost more than this action's points.
const char* const kWhiteRow =
    "QPushButton { background: #ffffff; color: #101623; border: 1px solid #8a96ab;"
    "  border-radius: 4px; text-align: left; padding: 0 12px; font-size: 15px; }"
    "QPushButton:hover { border: 2px solid #ff9d2e; }"
    "QPushButton:focus { border: 3px solid #e0641a; }";
// The row the Doll's program would choose keeps its colours and gains an orange frame.
const char* const kAdviceRow = "QPushButton { border: 2px solid #ff9d2e; }";
const char* const kGreyRow =
    "QPushButton { background: #c0c0c0; color: #505660; border: 1px solid #8a8f99;"
    "  border-radius: 4px; text-align: left; padding: 0 12px; font-size: 15px; }"
    "QPushButton:focus { border: 3px solid #e0641a; }";

QLabel* heading(const QString& text, int x, int width, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setProperty("heading", true);
  label->setGeometry(x, kRowTop - 24, width, 20);
  return label;
}

}  // namespace

DialogAction::DialogAction(int16_t playAP, bool guide, Prompter& prompter, QWidget* battleWindow)
    : QDialog(battleWindow), choice_(playAP), prompter_(prompter), guide_(guide) {
  setObjectName("DialogAction");
  setWindowTitle(kSelectActionCaption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  setStyleSheet(kDialogStyle);

  dspDollName_ = new QLabel(this);
  dspDollName_->setObjectName("dspDollName");
  dspDollName_->setGeometry(kNameLeft, 18, kWidth - 2 * kNameLeft, 34);

  heading(qtTrId("技名"), kNameLeft, kNameWidth, this);
  heading(qtTrId("必要行動力"), kAPLeft, kAPWidth, this)->setAlignment(Qt::AlignCenter);
  heading(qtTrId("行動パターン"), kPatternLeft, kPatternWidth, this);

  for (int i = 0; i < PatternChoice::kRows; ++i) {
    const int y = kRowTop + i * kRowHeight;
    Text1_[i] = new QLabel(this);
    Text1_[i]->setObjectName(QString("Text1_%1").arg(i));
    Text1_[i]->setProperty("field", true);
    Text1_[i]->setGeometry(kNameLeft, y, kNameWidth, kRowHeight - 8);
    lblAP_[i] = new QLabel(this);
    lblAP_[i]->setObjectName(QString("lblAP%1").arg(i));
    lblAP_[i]->setProperty("ap", true);
    lblAP_[i]->setAlignment(Qt::AlignCenter);
    lblAP_[i]->setGeometry(kAPLeft, y, kAPWidth, kRowHeight - 8);
    dspPattern_[i] = new QPushButton(this);
    dspPattern_[i]->setObjectName(QString("dspPattern%1").arg(i));
    dspPattern_[i]->setGeometry(kPatternLeft, y, kPatternWidth, kRowHeight - 8);
    // Return presses the pattern the keyboard is on.
    dspPattern_[i]->setAutoDefault(true);
    dspPattern_[i]->setCursor(Qt::PointingHandCursor);
    connect(dspPattern_[i], &QPushButton::clicked, this, [this, i] { dspPattern_Click(i); });
  }

  const int rowsEnd = kRowTop + PatternChoice::kRows * kRowHeight;
  lblAdvice_ = new QLabel(qtTrId("おすすめ"), this);
  lblAdvice_->setObjectName("lblAdvice");
  lblAdvice_->setAlignment(Qt::AlignCenter);
  lblAdvice_->hide();
  dspAdvice_ = new QLabel(this);
  dspAdvice_->setObjectName("dspAdvice");
  dspAdvice_->setGeometry(kNameLeft, rowsEnd, kWidth - 2 * kNameLeft, kAdviceLineHeight - 4);
  dspAdvice_->hide();

  const int bottom = rowsEnd + kAdviceLineHeight + 8;
  paneGuide_ = new QFrame(this);
  paneGuide_->setObjectName("paneGuide");
  paneGuide_->setGeometry(kNameLeft, bottom, 420, 44);
  dspGuide_ = new QLabel(paneGuide_);
  dspGuide_->setObjectName("dspGuide");
  dspGuide_->setGeometry(10, 4, 400, 36);
  dspGuide_->setWordWrap(true);
  dspGuide_->setCursor(Qt::PointingHandCursor);
  dspGuide_->installEventFilter(this);

  cmdCancel_ = new QPushButton("Cancel", this);
  cmdCancel_->setObjectName("cmdCancel");
  cmdCancel_->setAutoDefault(false);
  cmdCancel_->setGeometry(kPatternLeft + kPatternWidth - 130, bottom + 6, 130, 34);
  connect(cmdCancel_, &QPushButton::clicked, this, &DialogAction::cmdCancel_Click);

  setFixedSize(kWidth, bottom + 60);
  fitToScreen(this);
}

void DialogAction::setLogics(LogicRef logic, int slot) {
  choice_.setLogics(std::move(logic), slot);
}

void DialogAction::setDialog(const std::string& dollName) {
  if (QWidget* battle = parentWidget()) {
    const QRect frame = battle->window()->frameGeometry();
    move(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3);
  }
  dollName_ = dollName;
  showName(dspDollName_, QString::fromStdString(dollName));
}

void DialogAction::setAdvice(int row, const std::string& why) {
  adviceRow_ = row;
  if (row >= 0 && row < PatternChoice::kRows) {
    lblAdvice_->setGeometry(kAdviceLeft, kRowTop + row * kRowHeight + 4, kAdviceWidth,
                            kRowHeight - 16);
    lblAdvice_->show();
  } else {
    lblAdvice_->hide();
  }
  dspAdvice_->setText(qtTrId("おすすめ：") + QString::fromStdString(why));
  dspAdvice_->show();
}

void DialogAction::showEvent(QShowEvent* event) {
  if (!loaded_) {
    loaded_ = true;
    Form_Load();
  }
  QDialog::showEvent(event);
}

void DialogAction::Form_Load() {
  dspLogics();
  focusFirstWhite();
  if (!guide_) {
    paneGuide_->hide();
    return;
  }
  dspGuide_->setText(qtTrId(kPatternGuide));
  paneGuide_->show();
}

void DialogAction::dspLogics() {
  for (int i = 0; i < PatternChoice::kRows; ++i) {
    const Logic& logic = choice_.logic(i);
    // A name longer than the field ends in "…" and shows whole as the field's tooltip.
    showName(Text1_[i], QString::fromStdString(logic.name));
    lblAP_[i]->setText(QString::number(logic.AP));
    dspPattern_[i]->setText(QString::fromStdString(patternText(logic)));
    // An empty row is read as empty, not as nothing.
    dspPattern_[i]->setAccessibleName(dspPattern_[i]->text().isEmpty() ? qtTrId("空き")
                                                                       : QString());
    QString style = choice_.isGrey(i) ? kGreyRow : kWhiteRow;
    if (i == adviceRow_) style += kAdviceRow;
    dspPattern_[i]->setStyleSheet(style);
  }
}

// The keyboard starts on the first pattern that can be chosen, so Return picks it.
void DialogAction::focusFirstWhite() {
  for (int i = 0; i < PatternChoice::kRows; ++i) {
    if (choice_.isGrey(i)) continue;
    dspPattern_[i]->setDefault(true);
    dspPattern_[i]->setFocus();
    return;
  }
  cmdCancel_->setFocus();
}

void DialogAction::dspPattern_Click(int row) {
  if (choice_.dspPattern_Click(row, dollName_, prompter_)) accept();
}

void DialogAction::cmdCancel_Click() {
  if (choice_.cmdCancel_Click(prompter_)) QDialog::reject();
}

void DialogAction::reject() {
  cmdCancel_Click();
}

void DialogAction::dspGuide_Click() {
  paneGuide_->hide();
  guideDismissed_ = true;
}

bool DialogAction::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dspGuide_ && event->type() == QEvent::MouseButtonRelease) {
    dspGuide_Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velko::ui
