#include "shop/shop_texts.h"

#include <array>
#include <utility>

#include "core/shown_text.h"
#include "shop/shop_kinds.h"

namespace velko {

std::string openingGuide() {
  return std::string(shown("　ここでDollのパーツを買います。")) + "\n\n" +
         shown("　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。") + "\n" +
         shown("　コンボボックスでパーツの種類を選択し、リストからパーツを選んで下さい。") + "\n";
}

std::string kindGuide(int index) {
  switch (kindNumberOfIndex(index)) {
    case kKindFrame:
      return std::string(shown("フレームはパーツを組みこむベースとなるDollの身体です。")) + "\n" +
             shown("場合によっては機動力も扱います。▼") + "\n";
    case kKindBooster:
      return std::string(
                 shown("ブースターは移動力、ジャンプ力、回転力など機動力を扱うパーツです。")) +
             "\n" +
             shown(
                 "「ジャンプ＋回転＋キック」などを行う場合、これらの数値が高いほど効果が大きくなり"
                 "ま"
                 "す。▼") +
             "\n";
    case kKindProtector:
      return std::string(shown("プロテクタは防御力を扱うパーツです。")) + "\n" +
             shown("ACの数値が高いほどダメージが軽減されます。▼") + "\n";
    case kKindHard:
      return std::string(shown("コンピュータはDollの技を管理します。")) + "\n" +
             shown(
                 "CPUの数値が高いほど１ターンの間に複雑な技を出す事ができ、メモリの数値が高いほど多"
                 "彩な技を持てます。▼") +
             "\n";
    default:
      return std::string(shown("モーターはパワーを扱うパーツです。")) + "\n" +
             shown("パワーの数値が高いほど、攻撃が当たった時の効果が大きくなります。▼") + "\n";
  }
}

std::string frameDescription(const std::string& name) {
  if (name == "修羅" || name == "羅刹") {
    return std::string(shown("武者姿の丈夫なフレームです。")) + "\n" +
           shown("移動するためにはブースターが必要です。▼") + "\n";
  }
  if (name == "バルキリー") {
    return std::string(shown("女性型のフレームです。")) + "\n" +
           shown("ブースターの助けなしに移動・ジャンプ・回転できます。▼") + "\n";
  }
  if (name == "ダフネ") {
    return std::string(shown("女性型のフレームです。")) + "\n" +
           shown("ブースターの助けなしに移動・ジャンプできます。") + "\n" +
           shown("回転はできません。▼") + "\n";
  }
  return "";
}

std::string headingHint(const std::string& caption) {
  static const std::array<std::pair<const char*, const char*>, 12> kHints = {{
      {"Rl", QT_TRID_NOOP("値段")},
      {QT_TRID_NOOP("パワー"),
       QT_TRID_NOOP("パワー：相手に与えるダメージの他、組みついた時の強さに影響します")},
      {"Offence", QT_TRID_NOOP("攻撃力：値が大きいほど攻撃が当たりやすくなります")},
      {"Defence", QT_TRID_NOOP("防御力：値が大きいほど攻撃が当たりにくくなります")},
      {QT_TRID_NOOP("移動"), QT_TRID_NOOP("移動力：移動の効果が大きくなります")},
      {QT_TRID_NOOP("ジャンプ"),
       QT_TRID_NOOP("ジャンプ力：ジャンプ攻撃のダメージが大きくなります")},
      {QT_TRID_NOOP("回転"), QT_TRID_NOOP("回転力：回転攻撃のダメージが大きくなります")},
      {"AC", QT_TRID_NOOP("アーマークラス：ダメージが軽減されます")},
      {"CPU", QT_TRID_NOOP("CPU処理能力：値が大きいほど派手な技が繰り出せます")},
      {QT_TRID_NOOP("メモリ"), QT_TRID_NOOP("メモリ：値が大きいほど多彩な技が繰り出せます")},
      {QT_TRID_NOOP("重量"), QT_TRID_NOOP("重量：軽いほど移動やジャンプ、回転力が上がります")},
      {"HP", QT_TRID_NOOP("ヒットポイント：パーツの丈夫さです")},
  }};
  for (const auto& [heading, hint] : kHints) {
    // The caption is the heading as shown, in the player's language.
    if (caption == shown(heading)) return shown(hint);
  }
  return "";
}

}  // namespace velko
