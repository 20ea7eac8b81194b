#include "ui/fight/frm_tornament.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

#include "core/prompter.h"
#include "ui/lab/advice_panel.h"
#include "ui/widgets/name_field.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/window_scale.h"

namespace velko::ui {

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);  // not yet decided
const QColor kRed(255, 0, 0);           // decided

constexpr int kBracketNameLeft = 36;
constexpr int kBracketNameWidth = 240;  // twelve characters, the longest name, with the padding
constexpr int kNameHeight = 40;
constexpr int kNameTop = 40;
constexpr int kRowPitch = 54;
constexpr int kRound1X = kBracketNameLeft + kBracketNameWidth;
constexpr int kRound2X = kRound1X + 64;
constexpr int kRound3X = kRound2X + 84;
constexpr int kFinalX = kRound3X + 84;
constexpr int kChampionX = kFinalX + 56;
constexpr int kLineWidth = 4;
constexpr int kChanceHeight = 16;
constexpr int kBracketMargin = 24;

const char* const kBracketStyle =
    "QDialog { background: #121826; }"
    "QLabel { color: #ffffff; background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
    "  stop:0 #27324a, stop:1 #1d2638); border: 1px solid #3b4966; border-radius: 5px;"
    "  padding: 0 12px; font-size: 16px; font-weight: bold; }"
    "QPushButton { background: #2c3548; color: #e6ecf5; border: 1px solid #4a5873;"
    "  border-radius: 5px; font-size: 15px; padding: 2px 10px; }"
    "QPushButton:hover { background: #36425a; }"
    "QLabel#lblChance { background: transparent; border: none; padding: 0; font-size: 12px;"
    "  font-weight: normal; color: #a9bde3; }";

// The middle of entrant j's name, and the junctions of the rounds after it.
int entrantY(int j) {
  return kNameTop + kNameHeight / 2 + j * kRowPitch;
}
int semiY(int pair) {
  return (entrantY(2 * pair) + entrantY(2 * pair + 1)) / 2;
}
int finalY(int half) {
  return (semiY(2 * half) + semiY(2 * half + 1)) / 2;
}
int championY() {
  return (finalY(0) + finalY(1)) / 2;
}

QPolygonF star(QPointF centre, double outer, double inner) {
  QPolygonF points;
  for (int k = 0; k < 10; ++k) {
    const double angle = -M_PI / 2 + k * M_PI / 5;
    const double radius = k % 2 == 0 ? outer : inner;
    points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return points;
}

}  // namespace

frmTornament::frmTornament(const Bracket& bracket, QWidget* parent)
    : QDialog(parent), bracket_(bracket) {
  setObjectName("frmTornament");
  setWindowTitle(kGameTitle);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  setStyleSheet(kBracketStyle);
  for (int j = 0; j < Bracket::kEntrants; ++j) {
    lblName_[j] = new QLabel(this);
    lblName_[j]->setObjectName(QString("lblName%1").arg(j));
    lblName_[j]->setGeometry(kBracketNameLeft, entrantY(j) - kNameHeight / 2, kBracketNameWidth,
                             kNameHeight);
  }
  Command1_ = new QPushButton(qtTrId("戻る"), this);
  Command1_->setObjectName("Command1");
  Command1_->setDefault(true);
  // The return command hides the view; the modal showing returns.
  connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
  const int height = entrantY(Bracket::kEntrants - 1) + kNameHeight / 2 + 80;
  const int width = kChampionX + 90;
  Command1_->setGeometry(width - 24 - 140, height - 58, 140, 38);
  setFixedSize(width, height);
  Form_Load();
  fitToScreen(this);
}

void frmTornament::showAdvice(CareerState& state, CareerServices& services,
                              const std::string& className) {
  std::vector<PracticeOpponent> opponents;
  for (int j = 0; j < Bracket::kEntrants; ++j) {
    const DollRef& entrant = bracket_.entrant(j);
    if (!entrant || entrant == state.Dolls[0]) continue;
    opponents.push_back({entrant->ID, entrant});
    computerSeat_[j] = true;
  }
  advice_ = new AdvicePanel(state, services, className, opponents, this);
  const int panelHeight = advice_->sizeHint().height();
  const int top = height() - Command1_->height() - kBracketMargin / 2;
  advice_->setGeometry(kBracketMargin, top, width() - 2 * kBracketMargin, panelHeight);
  Command1_->move(Command1_->x(), top + panelHeight + kBracketMargin / 2);
  setFixedSize(width(), height() + panelHeight + kBracketMargin / 2);
  connect(advice_, &AdvicePanel::ready, this, &frmTornament::showChances);
}

void frmTornament::showChances() {
  const TournamentAdvice* advice = advice_->advice();
  for (int j = 0; j < Bracket::kEntrants; ++j) {
    if (!computerSeat_[j]) continue;
    for (const Chance& c : advice->chances) {
      if (c.id != bracket_.entrant(j)->ID) continue;
      auto* label = new QLabel(qtTrId("約%1%").arg(roughPercentValue(c.rate())), this);
      label->setObjectName("lblChance");
      label->setToolTip(qtTrId("この相手に勝つ見込み（練習ラボの戦いで）"));
      label->setGeometry(scaledRect(this, {kRound1X + 6, entrantY(j) - kChanceHeight - kLineWidth,
                                           kRound2X - kRound1X, kChanceHeight}));
      label->show();
      lblChance_[j] = label;
    }
  }
}

QString frmTornament::lblChance(int index) const {
  const QLabel* label = lblChance_.at(index);
  return label ? label->text() : QString();
}

void frmTornament::Form_Load() {
  for (int j = 0; j < Bracket::kEntrants; ++j)
    showName(lblName_[j], QString::fromStdString(bracket_.lblName(j)));
}

QColor frmTornament::line1Color(int index) const {
  return bracket_.line1Red(index) ? kRed : kWhite;
}

QColor frmTornament::lineVColor(int index) const {
  return bracket_.lineVRed(index) ? kRed : kWhite;
}

QPolygon frmTornament::line1Path(int index) {
  QPolygon path;
  if (index < 8) {
    path << QPoint(kRound1X, entrantY(index)) << QPoint(kRound2X, entrantY(index));
  } else if (index < 12) {
    const int y = semiY(index - 8);
    path << QPoint(kRound2X, y) << QPoint(kRound3X, y);
  } else {
    const int y = finalY(index - 12);
    path << QPoint(kRound3X, y) << QPoint(kFinalX, y) << QPoint(kFinalX, championY());
  }
  return path;
}

QLine frmTornament::lineV(int index) {
  if (index < 8) return QLine(kRound2X, entrantY(index), kRound2X, semiY(index / 2));
  const int pair = index - 8;
  return QLine(kRound3X, semiY(pair), kRound3X, finalY(pair / 2));
}

void frmTornament::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  // The lines are drawn at the designed places, at the window's scale.
  p.scale(windowScale(this), windowScale(this));
  p.setRenderHint(QPainter::Antialiasing, false);
  const auto pen = [](const QColor& colour) {
    return QPen(colour, kLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  };
  // White lines first, so a red path is never painted over by a white one.
  for (bool red : {false, true}) {
    for (int i = 0; i < Bracket::kLines; ++i) {
      if (bracket_.line1Red(i) != red) continue;
      p.setPen(pen(line1Color(i)));
      p.drawPolyline(line1Path(i));
    }
    for (int k = 0; k < Bracket::kPathLines; ++k) {
      if (bracket_.lineVRed(k) != red) continue;
      p.setPen(pen(lineVColor(k)));
      p.drawLine(lineV(k));
    }
  }
  // The champion's place: the final's colour, a star at its end.
  const QColor final = line1Color(Bracket::kLines - 1);
  p.setPen(pen(final));
  p.drawLine(kFinalX, championY(), kChampionX, championY());
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(255, 214, 90), 2));
  p.setBrush(bracket_.line1Red(Bracket::kLines - 1) ? QColor(255, 190, 40) : QColor(18, 24, 38));
  p.drawPolygon(star(QPointF(kChampionX + 18, championY()), 18, 8));
}

}  // namespace velko::ui
