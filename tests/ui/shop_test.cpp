// The shop screen on the built game folder (offscreen platform): the stock of each kind, a
// purchase and a sale clicked through the widgets with scripted answers, the heading hints and
// the guide, with screenshots of the states worth seeing.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "career/career_state.h"
#include "core/numbers.h"
#include "core/random.h"
#include "shop/owned_parts.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "ui/workshop/shop.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FakeMusic;
using velko::testing::ScriptedDialog;
using velko::testing::settle;
using velko::testing::settleAndSave;

namespace {

void clickCell(QTableWidget* table, int row) {
  const QRect cell = table->visualItemRect(table->item(row, 0));
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  QCoreApplication::processEvents();
}

void clickRow(QListWidget* list, int row) {
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QCoreApplication::processEvents();
}

void hoverHeading(QTableWidget* table, int section) {
  QHeaderView* header = table->horizontalHeader();
  const QPointF at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2.0,
                   header->height() / 2.0);
  QMouseEvent move(QEvent::MouseMove, at, header->viewport()->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(header->viewport(), &move);
}

QStringList headings(QTableWidget* table) {
  QStringList all;
  for (int c = 0; c < table->columnCount(); ++c)
    all << table->horizontalHeaderItem(c)->text();
  return all;
}

}  // namespace

class ShopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void buyAndSellThroughTheWidgets() {
    ClockRandom rnd(7);
    CareerState state(rnd);
    state.player().Rl = 2000;
    ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FakeMusic music;
    CareerServices services{GameFolder(VELKO_GAME_DIR), rnd, prompter, music};

    Shop shop(state, services);
    settle(shop);
    QCOMPARE(shop.windowTitle(), QString("Shop"));
    QCOMPARE(music.played.back(), std::string("midi/jzz33xg.mid"));
    QCOMPARE(shop.ComboShop()->count(), 5);
    QCOMPARE(shop.ComboShop()->currentText(), QString("モーター"));
    QCOMPARE(headings(shop.List1()), QStringList({"名称", "Rl", "パワー", "HP", "重量"}));
    QCOMPARE(shop.List1()->rowCount(), 19);
    QCOMPARE(shop.List1()->item(0, 0)->text(), QString("ポニー"));
    QCOMPARE(shop.List1()->item(0, 1)->text(), QString(" 120"));  // a number keeps its blank
    QCOMPARE(shop.lblPlayerRl()->text(), QString(" 2000"));
    QVERIFY(shop.paneGuide()->isVisible());
    QVERIFY(shop.dspGuide()->text().startsWith("　ここでDollのパーツを買います。"));
    QVERIFY(!state.player().getSoftA(0)->name.empty());  // the starter software
    QVERIFY(settleAndSave(shop, "shop-motors.png"));

    hoverHeading(shop.List1(), 2);
    QCOMPARE(shop.dspMsg()->text(),
             QString("パワー：相手に与えるダメージの他、組みついた時の強さに影響します"));

    shop.ComboShop()->setCurrentIndex(1);
    QCOMPARE(shop.List1()->rowCount(), 4);
    QCOMPARE(headings(shop.List1()),
             QStringList({"名称", "Rl", "移動", "ジャンプ", "回転", "HP", "重量"}));
    QCOMPARE(shop.dspGuide()->text(),
             QString("フレームはパーツを組みこむベースとなるDollの身体です。\n"
                     "場合によっては機動力も扱います。▼\n"));

    // A frame bought with the guide on: its description, the question, the new list.
    const int framePrice = shop.List1()->item(2, 1)->text().toInt();
    clickCell(shop.List1(), 2);
    QCOMPARE(dialog.shown.back().request.caption, std::string("バルキリー"));
    QCOMPARE(dialog.shown.back().request.text, std::string("購入しますか？"));
    QCOMPARE(shop.dspGuide()->text(), QString("女性型のフレームです。\n"
                                              "ブースターの助けなしに移動・ジャンプ・回転できます。"
                                              "▼\n"));
    QCOMPARE(int(state.player().Rl), 2000 - framePrice);
    QCOMPARE(shop.lblPlayerRl()->text(), QString(" %1").arg(2000 - framePrice));
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 1);
    QCOMPARE(shop.ListOwnParts(kListNew)->item(0)->text(), QString("バルキリー"));
    QCOMPARE(shop.ListOwnParts(kListNew)->item(0)->data(Qt::UserRole).toInt(), 2003);
    hoverHeading(shop.List1(), 3);
    QCOMPARE(shop.dspMsg()->text(), QString("ジャンプ力：ジャンプ攻撃のダメージが大きくなります"));
    QVERIFY(settleAndSave(shop, "shop-frames.png"));

    shop.ComboShop()->setCurrentIndex(3);
    clickCell(shop.List1(), 2);
    clickCell(shop.List1(), 2);
    shop.ComboShop()->setCurrentIndex(0);
    clickCell(shop.List1(), 0);
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 4);
    QCOMPARE(shop.ListOwnParts(kListNew)->item(2)->text(), QString("スチール1"));
    QVERIFY(shop.dspGuide()->text().startsWith("モーターはパワーを扱うパーツです。"));
    QVERIFY(settleAndSave(shop, "shop-after-buy.png"));
    // A click closes the kind's text, and the stock takes the guide's room.
    const int stockHeight = shop.List1()->height();
    QTest::mouseClick(shop.dspGuide(), Qt::LeftButton);
    QVERIFY(!shop.paneGuide()->isVisible());
    QTRY_VERIFY(shop.List1()->height() > stockHeight);

    // Returning the frame: the question with its price, the money back, the row gone.
    const int16_t before = state.player().Rl;
    clickRow(shop.ListOwnParts(kListNew), 0);
    QCOMPARE(dialog.shown.back().request.caption, std::string("VELKO"));
    QCOMPARE(dialog.shown.back().request.text,
             "バルキリー（ " + std::to_string(framePrice) + "Rl）\n返品しますか？");
    QCOMPARE(int(state.player().Rl), before + framePrice);
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 3);
    QCOMPARE(shop.lblPlayerRl()->text(), QString(" %1").arg(before + framePrice));

    // Refused for money: the plain box, no purchase.
    state.player().Rl = 10;
    shop.ComboShop()->setCurrentIndex(4);
    clickCell(shop.List1(), 0);
    QVERIFY(dialog.shown.back().plainBox);
    QCOMPARE(dialog.shown.back().request.text, std::string("お金が足りません"));
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 3);

    QTest::mouseClick(shop.Command1(), Qt::LeftButton);
    QVERIFY(!shop.isVisible());
  }

  void usedPartsAndTheGuideOff() {
    ClockRandom rnd(7);
    CareerState state(rnd);
    state.guideOn = false;
    state.playMusic = false;
    ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FakeMusic music;
    CareerServices services{GameFolder(VELKO_GAME_DIR), rnd, prompter, music};
    auto motor = std::make_shared<Motor>();
    motor->ID = 1;
    motor->name = "ポニー";
    motor->isNew = false;
    state.player().setMotor(motor);
    state.playerDoll().Motor = motor;

    Shop shop(state, services);
    settle(shop);
    QVERIFY(music.played.empty());
    QVERIFY(!shop.paneGuide()->isVisible());
    QCOMPARE(shop.ListOwnParts(kListUsed)->count(), 1);
    const int price = shop.List1()->item(0, 1)->text().toInt();
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 0);
    const int16_t before = state.player().Rl;
    clickRow(shop.ListOwnParts(kListUsed), 0);
    QCOMPARE(dialog.shown.back().request.text,
             "ポニー（" + Str(toInt16(price / 2.0)) + "Rl）\n返品しますか？");
    QCOMPARE(state.player().Rl, toInt16(before + price / 2.0));
    QCOMPARE(shop.ListOwnParts(kListUsed)->count(), 0);
    QVERIFY(state.playerDoll().Motor->name.empty());
  }
};

VELKO_QTEST(ShopTest);
#include "shop_test.moc"
