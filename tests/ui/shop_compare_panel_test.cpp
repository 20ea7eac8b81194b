// The shop's comparison panel on the built game folder (offscreen platform): selecting a stock
// row shows the Doll now and with that part, coloured, with the class sentence; every column
// and name of the stock in view; the purchase question beside the panel; a screenshot.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "career/career_state.h"
#include "core/numbers.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "support/test_career.h"
#include "ui/fight_fixture.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/shop_compare_panel.h"
#include "workshop/assembly.h"

using namespace velko;
using namespace velko::ui;

class ShopComparePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void selectingARowComparesTheDollWithThePartMounted() {
    testing::TestCareer career(7, GameFolder(VELKO_GAME_DIR));
    const GameFolder& folder = career.services.folder;
    Owner& p = career.state.player();
    p.Rl = 9000;
    p.skillPlay = 12;
    doll& d = career.state.playerDoll();
    d.Motor = ld_Motor(folder, 1);
    d.frame = ld_Frame(folder, 3);
    d.Hard = ld_Hard(folder, 6);

    Shop shop(career.state, career.services);
    testing::settle(shop);
    ShopComparePanel* panel = shop.comparePanel();
    QVERIFY(panel->thenLabel("パワー") == nullptr);  // nothing selected yet
    const int tableWidth = shop.List1()->width();

    // The most powerful motor on sale: power rises, and what the rules say is what shows.
    const int row = 18;
    shop.List1()->setCurrentCell(row, 0);
    const std::optional<PartComparison> c = shop.model().comparison(row);
    QVERIFY(c.has_value());
    QLabel* power = panel->thenLabel("パワー");
    QVERIFY(power != nullptr);
    QCOMPARE(power->text(), QString::fromStdString(Str(c->then.pow)));
    if (c->then.pow > c->now.pow) QVERIFY(power->styleSheet().contains("#6fc3ff"));
    QCOMPARE(panel->notice()->text(), QString::fromStdString(c->classNotice));
    QVERIFY(panel->caption()->text().contains(shop.List1()->item(row, 0)->text()));
    QVERIFY(testing::settleAndSave(shop, "shop_compare.png"));
    QCOMPARE(shop.List1()->width(), tableWidth);  // the table keeps its place

    // A change of kind clears the panel until a row is chosen again.
    shop.ComboShop()->setCurrentIndex(3);
    QCoreApplication::processEvents();
    QVERIFY(panel->thenLabel("パワー") == nullptr);
    // Resting the mouse on a row compares it before any click.
    QWidget* rows = shop.List1()->viewport();
    const QPointF at = shop.List1()->visualItemRect(shop.List1()->item(2, 0)).center();
    QMouseEvent move(QEvent::MouseMove, at, rows->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(rows, &move);
    QVERIFY(panel->thenLabel("アーマークラス") != nullptr);
    QVERIFY(panel->caption()->text().contains(shop.List1()->item(2, 0)->text()));
    QCOMPARE(d.getProtector(0)->name, std::string());  // the preview mounted nothing
    // Leaving the rows shows the selected row again: none here, so the prompt.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rows, &leave);
    QVERIFY(panel->thenLabel("アーマークラス") == nullptr);
  }

  void everyColumnFitsAndTheQuestionLeavesThePanelInView() {
    ClockRandom rnd(9);
    CareerState state(rnd);
    const GameFolder folder(VELKO_GAME_DIR);
    state.player().Rl = 9000;
    QWidget workshop;
    workshop.setGeometry(0, 0, 1120, 720);
    workshop.show();
    QtMessageDialog screen(&workshop);
    DialogPrompter prompter(screen);
    testing::FakeMusic music;
    CareerServices services{folder, rnd, prompter, music};
    Shop shop(state, services, &workshop);
    shop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shop));
    QTableWidget* table = shop.List1();
    for (int kind = 0; kind < 5; ++kind) {
      shop.ComboShop()->setCurrentIndex(kind);
      QCoreApplication::processEvents();
      QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
      for (int row = 0; row < table->rowCount(); ++row) {
        const QString name = table->item(row, 0)->text();
        QVERIFY2(table->fontMetrics().horizontalAdvance(name) + 8 <= table->columnWidth(0),
                 qPrintable(name));
      }
    }

    shop.ComboShop()->setCurrentIndex(1);
    QRect question;
    testing::ModalAnswerer cancel([&question](QWidget* modal) {
      auto* asked = qobject_cast<DMsg*>(modal);
      if (!asked) return;  // the shop itself is modal too
      question = asked->frameGeometry();
      asked->cmdCancel()->click();
    });
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(2, 0)).center());
    QTRY_VERIFY(!question.isNull());
    ShopComparePanel* panel = shop.comparePanel();
    QVERIFY(!question.intersects(QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size())));
    QVERIFY(panel->thenLabel("フレームHP") != nullptr);  // the frame asked about, HP and all
    QVERIFY(testing::settleAndSave(shop, "shop_frames.png"));
  }
};

VELKO_QTEST(ShopComparePanelTest);
#include "shop_compare_panel_test.moc"
