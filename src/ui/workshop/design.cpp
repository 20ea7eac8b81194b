#include "ui/workshop/design.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "core/shipped_names.h"
#include "ui/app/help_window.h"
#include "ui/app/language.h"
#include "ui/app/language_menu.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/name_field.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/auto_give_up_menu.h"
#include "ui/workshop/design_learning.h"
#include "ui/workshop/doll_share_menu.h"
#include "ui/workshop/hall_of_fame_view.h"
#include "ui/workshop/history_window.h"
#include "ui/workshop/pilot_name_menu.h"

namespace velko::ui {

namespace {

QLabel* valueLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setMinimumWidth(70);
  label->setStyleSheet(valueBoxStyle());
  return label;
}

struct StatRow {
  const char* caption;
  const char* tooltip;
  const char* value;
};

constexpr StatRow kStats[] = {
    {QT_TRID_NOOP("パワー"), QT_TRID_NOOP("攻撃命中時のダメージ"), "dspPow"},
    {"Offence", QT_TRID_NOOP("攻撃の命中率"), "dspOf"},
    {"Defence", QT_TRID_NOOP("防御能力"), "dspDef"},
    {QT_TRID_NOOP("移動力"), QT_TRID_NOOP("移動力"), "dspMove"},
    {QT_TRID_NOOP("ジャンプ力"), QT_TRID_NOOP("ジャンプ力"), "dspJump"},
    {QT_TRID_NOOP("回転力"), QT_TRID_NOOP("回転力"), "dspSpin"},
    {QT_TRID_NOOP("アーマークラス"), QT_TRID_NOOP("ダメージ軽減"), "dspAbs"},
    {QT_TRID_NOOP("行動力"), QT_TRID_NOOP("行動ポイント"), "dspAp"},
    {QT_TRID_NOOP("メモリ"), QT_TRID_NOOP("メモリ"), "dspMem"},
    {QT_TRID_NOOP("重量"), QT_TRID_NOOP("重量"), "dspWgt"},
    {QT_TRID_NOOP("価値"), QT_TRID_NOOP("ドールの格"), "dspVal"},
    {QT_TRID_NOOP("クラス"), QT_TRID_NOOP("出場クラス"), "dspClass"},
};

}  // namespace

Design::Design(Game& game, CareerServices& services, QWidget* parent)
    : QMainWindow(parent), game_(game), state_(game.state()), services_(services) {
  setWindowTitle("VELKO");
  setStyleSheet(panelStyle());
  buildMenus();

  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  auto* columns = new QHBoxLayout;
  columns->addWidget(buildDollPanel());
  columns->addWidget(buildStatsPanel(), 1);
  columns->addWidget(buildAssemblyPanel());
  outer->addLayout(columns);

  dspGuide_ = new ClickLabel(central);
  dspGuide_->setObjectName("dspGuide");
  dspGuide_->setWordWrap(true);
  dspGuide_->setStyleSheet(guideStyle());
  connect(dspGuide_, &ClickLabel::clicked, this, [this] {
    game_.dspGuide_Click();
    dspGuide_->hide();
  });
  outer->addWidget(dspGuide_);
  outer->addWidget(buildCommandBar());
  setCentralWidget(central);
  // The workshop is laid out for this size; a window that cannot be resized gets no resize
  // handle from the window manager, which would show as a strip under the commands.
  setFixedSize(1120, 720);
  game_.setView(this);
  // The workshop's music starts again from the top whenever it reaches its end.
  services_.music.setOnDone([&music = services_.music] { replayAtEnd(music); });
  fitToScreen(this);
}

Design::~Design() {
  game_.detachView(this);
}

void Design::buildMenus() {
  const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                          void (Game::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    return action;
  };
  // Every menu and entry has a mnemonic (Alt and the underlined letter).
  QMenu* mnFile = menuBar()->addMenu(qtTrId("ファイル(&F)"));
  add(mnFile, "mnSave", qtTrId("セーブ(&S)"), &Game::mnSave_Click)->setShortcut(QKeySequence::Save);
  add(mnFile, "mnLoad", qtTrId("ロード(&L)"), &Game::mnLoad_Click)->setShortcut(QKeySequence::Open);
  mnFile->addSeparator();
  (new DollShareMenu(state_, services_, this))->addTo(mnFile);
  mnFile->addSeparator();
  add(mnFile, "mnStart", qtTrId("スタート(&T)"), &Game::mnStart_Click);
  add(mnFile, "mnEnd", qtTrId("終了(&X)"), &Game::mnEnd_Click)->setShortcut(QKeySequence::Quit);
  QMenu* mnInfo = menuBar()->addMenu(qtTrId("情報(&I)"));
  add(mnInfo, "mnChar", qtTrId("プレイヤー(&P)"), &Game::mnChar_Click);
  auto* pilotName = new PilotNameMenu(game_, this);
  pilotName->addTo(mnInfo);
  connect(pilotName, &PilotNameMenu::renamed, this, [this] { refresh(); });
  add(mnInfo, "mnRec", qtTrId("記録(&R)"), &Game::mnRec_Click);
  // The history and the hall of fame read the career and change nothing: no rule to run.
  QAction* history = mnInfo->addAction(qtTrId("戦績(&H)"));
  history->setObjectName("mnHistory");
  connect(history, &QAction::triggered, this, [this] {
    HistoryWindow window(state_.history, this);
    window.exec();
  });
  QAction* hall = mnInfo->addAction(qtTrId("殿堂(&F)"));
  hall->setObjectName("mnHall");
  connect(hall, &QAction::triggered, this, [this] {
    HallOfFameWindow window(services_.folder, this);
    window.exec();
  });
  QMenu* mnEdit = menuBar()->addMenu(qtTrId("対戦(&D)"));
  add(mnEdit, "mnLdDuel", qtTrId("対戦相手のロード(&L)"), &Game::mnLdDuel_Click);
  // Registering and resetting opponents exist but are not offered on the menu.
  add(mnEdit, "mnEntry", qtTrId("敵として登録(&E)"), &Game::mnEntry_Click)->setVisible(false);
  add(mnEdit, "mnInit", qtTrId("敵ファイルの初期化(&I)"), &Game::mnInit_Click)->setVisible(false);
  addLearningMenus(*mnEdit, *this, state_, services_);
  QMenu* mnSystem = menuBar()->addMenu(qtTrId("システム(&S)"));
  add(mnSystem, "mnBGM", QString("BGM(&B)"), &Game::mnBGM_Click)->setCheckable(true);
  add(mnSystem, "mnGuide", qtTrId("ガイド(&G)"), &Game::mnGuide_Click)->setCheckable(true);
  // The chances before a tournament read the game and change nothing of it: no rule to run.
  QAction* advice = mnSystem->addAction(qtTrId("勝率の見通し(&A)"));
  advice->setObjectName("mnAdvice");
  advice->setCheckable(true);
  connect(advice, &QAction::toggled, this, [this](bool on) { state_.adviceOn = on; });
  addAutoGiveUpMenu(*mnSystem, state_);
  add(mnSystem, "mnVersion", qtTrId("バージョン情報(&V)"), &Game::mnVersion_Click);
  addLanguageMenu(*mnSystem, services_.prompter, services_.folder);
  QMenu* mnHelp = menuBar()->addMenu(qtTrId("ヘルプ(&H)"));
  QAction* help = mnHelp->addAction(qtTrId("遊び方(&H)"));
  help->setObjectName("mnHelp");
  help->setShortcut(QKeySequence::HelpContents);
  connect(help, &QAction::triggered, this, [this] { HelpWindow::showFor(this); });
}

QWidget* Design::buildDollPanel() {
  auto* box = new QGroupBox("Doll", this);
  auto* layout = new QVBoxLayout(box);
  picture1_ = new QLabel(box);
  picture1_->setObjectName("Picture1");
  picture1_->setFixedSize(240, 320);
  picture1_->setAlignment(Qt::AlignCenter);
  picture1_->setStyleSheet("QLabel { background: #1c2029; border: 1px solid #444; }");
  layout->addWidget(picture1_);
  auto* rename = new QHBoxLayout;
  impDollName_ = new QLineEdit(box);
  impDollName_->setObjectName("impDollName");
  limitNameInput(impDollName_);
  auto* command1 = new QPushButton(qtTrId("名前変更(&N)"), box);
  command1->setObjectName("Command1");
  connect(command1, &QPushButton::clicked, this, [this] {
    game_.Command1_Click(impDollName_->text().toStdString());
    impDollName_->setText(q(state_.playerDoll().name));
  });
  rename->addWidget(impDollName_);
  rename->addWidget(command1);
  layout->addLayout(rename);
  layout->addStretch();
  return box;
}

QWidget* Design::buildStatsPanel() {
  auto* box = new QGroupBox(qtTrId("装備と能力"), this);
  auto* grid = new QGridLayout(box);
  const char* partHeadings[3] = {QT_TRID_NOOP("モーター"), QT_TRID_NOOP("フレーム"),
                                 QT_TRID_NOOP("コンピュータ")};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(qtTrId(partHeadings[i]), box), i, 0);
    QLabel* value = valueLabel(box, QString("dspPart%1").arg(i + 1));
    grid->addWidget(value, i, 1, 1, 3);
  }
  const auto addList = [&](QListWidget*& list, const char* name, const QString& heading, int row) {
    grid->addWidget(new QLabel(heading, box), row, 0, Qt::AlignTop);
    list = new QListWidget(box);
    list->setObjectName(name);
    list->setAccessibleName(heading);
    list->setMaximumHeight(64);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    grid->addWidget(list, row, 1, 1, 3);
  };
  addList(listBoost_, "ListBoost", qtTrId("ブースター"), 3);
  addList(listP_, "ListP", qtTrId("プロテクタ"), 4);
  addList(listSoft_, "ListSoft", qtTrId("ソフト"), 5);
  int row = 6;
  int column = 0;
  for (const StatRow& stat : kStats) {
    auto* heading = new QLabel(qtTrId(stat.caption), box);
    heading->setToolTip(qtTrId(stat.tooltip));
    grid->addWidget(heading, row, column);
    grid->addWidget(valueLabel(box, stat.value), row, column + 1);
    column += 2;
    if (column == 4) {
      column = 0;
      ++row;
    }
  }
  return box;
}

QWidget* Design::buildAssemblyPanel() {
  auto* box = new QGroupBox(qtTrId("所持パーツ"), this);
  box->setFixedWidth(300);
  auto* layout = new QVBoxLayout(box);
  cmbParts_ = new QComboBox(box);
  cmbParts_->setObjectName("cmbParts");
  for (const std::string& name : partKindNames())
    cmbParts_->addItem(qtTrId(name.c_str()));
  connect(cmbParts_, &QComboBox::currentIndexChanged, this, [this](int kind) { dspParts(kind); });
  layout->addWidget(cmbParts_);
  listPart_ = new QListWidget(box);
  listPart_->setObjectName("ListPart");
  listPart_->setAccessibleName(box->title());
  connect(listPart_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ListPart_Click(listPart_->row(item)); });
  listPart_->installEventFilter(this);
  layout->addWidget(listPart_, 1);

  auto* detail = new QGridLayout;
  detail->addWidget(valueLabel(box, "dspPart0"), 0, 0, 1, 2);
  detail->addWidget(valueLabel(box, "dspRl"), 1, 0, 1, 2);
  for (int i = 0; i < 2; ++i) {
    auto* heading = new QLabel(box);
    heading->setObjectName(QString("lblPart%1").arg(i));
    heading->setAlignment(Qt::AlignRight | Qt::AlignTop);
    auto* value = new QLabel(box);
    value->setObjectName(QString("dspAbl%1").arg(i + 1));
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail->addWidget(heading, 2 + i, 0);
    detail->addWidget(value, 2 + i, 1);
  }
  layout->addLayout(detail);
  auto* clear = new QPushButton("AllClear(&A)", box);
  clear->setObjectName("cmdClear");
  connect(clear, &QPushButton::clicked, this, [this] {
    cmdClear_Click(state_);
    dspDoll();
  });
  layout->addWidget(clear);
  return box;
}

QWidget* Design::buildCommandBar() {
  auto* bar = new QWidget(this);
  auto* layout = new QHBoxLayout(bar);
  auto* date = new QLabel(bar);
  date->setObjectName("dspDate");
  date->setStyleSheet(
      "QLabel { font-size: 14pt; font-weight: bold; color: #ffd66b; padding: 0 12px; }");
  layout->addWidget(date);
  // The money stands beside the date, so the shop is not the only place to see it.
  auto* money = new QLabel(bar);
  money->setObjectName("dspMoney");
  money->setStyleSheet("QLabel { font-size: 13pt; font-weight: bold; color: #8fd8ff; }");
  layout->addWidget(money);
  layout->addStretch();
  const struct {
    const char* name;
    const char* caption;
    void (Game::*command)();
  } commands[] = {
      {"cmdShop", QT_TRID_NOOP("店(&M)"), &Game::cmdShop_Click},
      {"cmdProgram", QT_TRID_NOOP("プログラム(&P)"), &Game::cmdProgram_Click},
      {"cmdStreet", QT_TRID_NOOP("シミュレーション(&U)"), &Game::cmdStreet_Click},
      {"cmdTornament", QT_TRID_NOOP("トーナメント参加(&T)"), &Game::cmdTornament_Click},
      {"cmdDuel", QT_TRID_NOOP("対戦(&V)"), &Game::cmdDuel_Click},
      {"cmdWork", QT_TRID_NOOP("時間を進める(&W)"), &Game::cmdWork_Click},
  };
  for (const auto& c : commands) {
    auto* button = new QPushButton(qtTrId(c.caption), bar);
    button->setObjectName(c.name);
    button->setMinimumSize(120, 38);
    connect(button, &QPushButton::clicked, this, [this, command = c.command] { run(command); });
    layout->addWidget(button);
  }
  return bar;
}

void Design::run(void (Game::*command)()) {
  (game_.*command)();
  if (!closing_) refresh();
}

void Design::showRefresh() {
  cmbParts_->setCurrentIndex(0);
  refresh();
}

void Design::showDate() {
  label("dspDate")->setText(q(game_.dateText()));
  label("dspMoney")->setText(qtTrId("所持金%1Rl").arg(q(Str(state_.player().Rl))));
}

void Design::refresh() {
  showDate();
  impDollName_->setText(q(state_.playerDoll().name));
  dspParts(cmbParts_->currentIndex());
  dspDoll();
  const std::string& guide = game_.guideText();
  QString text = q(guide);
  // The guide's lines each start with a line feed; the pane needs no empty first line.
  while (text.startsWith('\n'))
    text.remove(0, 1);
  dspGuide_->setText(text);
  dspGuide_->setVisible(!guide.empty());
  menu("mnBGM")->setChecked(state_.playMusic);
  // The quiet line tells of music that cannot play: with the music off it has nothing to tell.
  if (auto* line = findChild<QLabel*>("quietLine"); line && !state_.playMusic) line->clear();
  menu("mnGuide")->setChecked(state_.guideOn);
  menu("mnAdvice")->setChecked(state_.adviceOn);
  if (auto* autoGiveUp = findChild<QMenu*>("mnAutoGiveUp"))
    showAutoGiveUp(*autoGiveUp, state_.autoGiveUp);
}

void Design::dspParts(int kind) {
  if (kind < 0) kind = 0;
  listPart_->clear();
  for (const std::string& name : velko::dspParts(state_.player(), kind)) {
    listPart_->addItem(name == kRemoveRow ? qtTrId(kRemoveRow) : q(shownPartName(name)));
  }
  showDetail(kind, 0);
}

void Design::showDetail(int kind, int slot) {
  const PartDetail d = partDetail(state_.player(), kind, slot);
  label("dspPart0")->setText(q(shownPartName(d.name)));
  label("dspRl")->setText(q(d.price));
  for (int i = 0; i < 2; ++i) {
    label(QString("lblPart%1").arg(i))->setText(q(d.heading[i]));
    label(QString("dspAbl%1").arg(i + 1))->setText(q(d.value[i]));
  }
}

bool Design::eventFilter(QObject* watched, QEvent* event) {
  if (watched != listPart_ || event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (listPart_->currentRow() >= 0) ListPart_Click(listPart_->currentRow());
  return true;
}

void Design::ListPart_Click(int row) {
  const int kind = cmbParts_->currentIndex();
  if (row < listPart_->count() - 1) showDetail(kind, row);
  velko::ListPart_Click(state_, kind, row, services_.prompter);
  dspDoll();
}

void Design::dspDoll() {
  const DollView v = velko::dspDoll(state_);
  label("dspPart1")->setText(q(shownPartName(v.motor)));
  label("dspPart2")->setText(q(shownPartName(v.frame)));
  label("dspPart3")->setText(q(shownPartName(v.computer)));
  // An empty mount shows a blank row; a screen reader says it is empty.
  const auto addMount = [](QListWidget* list, const std::string& name) {
    auto* item = new QListWidgetItem(q(shownPartName(name)), list);
    if (name.empty()) item->setData(Qt::AccessibleTextRole, qtTrId("空き"));
  };
  listBoost_->clear();
  for (const auto& name : v.boosters)
    addMount(listBoost_, name);
  listP_->clear();
  for (const auto& name : v.protectors)
    addMount(listP_, name);
  listSoft_->clear();
  for (const auto& [name, code] : v.softs) {
    auto* item = new QListWidgetItem(q(shownPartName(name)));
    item->setData(Qt::UserRole, code);
    listSoft_->addItem(item);
  }
  const std::pair<const char*, const std::string*> values[] = {
      {"dspPow", &v.pow},    {"dspOf", &v.offence}, {"dspDef", &v.defence},
      {"dspMove", &v.move},  {"dspJump", &v.jump},  {"dspSpin", &v.spin},
      {"dspAbs", &v.AC},     {"dspAp", &v.AP},      {"dspMem", &v.memory},
      {"dspWgt", &v.weight}, {"dspVal", &v.value},  {"dspClass", &v.className}};
  for (const auto& [name, text] : values)
    label(name)->setText(q(*text));
  const QPixmap picture(
      letteredPicture(QString::fromStdString(services_.folder.path(v.picture).string())));
  picture1_->setPixmap(v.picture.empty() ? QPixmap() : picture);
  picture1_->setAccessibleName(QString("Doll %1").arg(q(state_.playerDoll().name)));
  picture1_->setAccessibleDescription(label("dspPart2")->text());

  // refreshEditable
  const bool fights = fightCommandsEnabled(v);
  command("cmdStreet")->setEnabled(fights);
  command("cmdTornament")->setEnabled(fights);
  command("cmdDuel")->setEnabled(fights);
  command("cmdProgram")->setEnabled(cmdProgramEnabled(v));
}

QPushButton* Design::command(const QString& name) const {
  return findChild<QPushButton*>(name);
}

QLabel* Design::label(const QString& name) const {
  return findChild<QLabel*>(name);
}

QAction* Design::menu(const QString& name) const {
  return findChild<QAction*>(name);
}

void Design::showQuietLine(const QString& text) {
  // A label of its own: a passing menu would wipe a status message.
  auto* line = statusBar()->findChild<QLabel*>("quietLine");
  if (!line) {
    line = new QLabel(statusBar());
    line->setObjectName("quietLine");
    statusBar()->addWidget(line);
  }
  line->setText(text);
}

void Design::closeQuietly() {
  closing_ = true;
  close();
}

void Design::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  // The window frame leaves the game as the "終了" menu does, asking when unsaved.
  event->ignore();
  game_.mnEnd_Click();
}

}  // namespace velko::ui
