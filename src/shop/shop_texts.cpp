#include "shop/shop_texts.h"

#include <array>
#include <utility>

#include "shop/shop_kinds.h"

namespace velko {

std::string openingGuide() {
  return std::string("　ここでDollのパーツを買います。") + "\n\n" +
         "　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。" + "\n" +
         "　コンボボックスでパーツの種類を選択し、リストからパーツを選んで下さい。" + "\n";
}

std::string kindGuide(int index) {
  switch (kindNumberOfIndex(index)) {
    case kKindFrame:
      return std::string("フレームはパーツを組みこむベースとなるDollの身体です。") + "\n" +
             "場合によっては機動力も扱います。▼" + "\n";
    case kKindBooster:
      return std::string("ブースターは移動力、ジャンプ力、回転力など機動力を扱うパーツです。") +
             "\n" +
             "「ジャンプ＋回転＋キック」などを行う場合、これらの数値が高いほど効果が大きくなりま"
             "す。▼" +
             "\n";
    case kKindProtector:
      return std::string("プロテクタは防御力を扱うパーツです。") + "\n" +
             "ACの数値が高いほどダメージが軽減されます。▼" + "\n";
    case kKindHard:
      return std::string("コンピュータはDollの技を管理します。") + "\n" +
             "CPUの数値が高いほど１ターンの間に複雑な技を出す事ができ、メモリの数値が高いほど多"
             "彩な技を持てます。▼" +
             "\n";
    default:
      return std::string("モーターはパワーを扱うパーツです。") + "\n" +
             "パワーの数値が高いほど、攻撃が当たった時の効果が大きくなります。▼" + "\n";
  }
}

std::string frameDescription(const std::string& name) {
  if (name == "修羅" || name == "羅刹") {
    return std::string("武者姿の丈夫なフレームです。") + "\n" +
           "移動するためにはブースターが必要です。▼" + "\n";
  }
  if (name == "バルキリー") {
    return std::string("女性型のフレームです。") + "\n" +
           "ブースターの助けなしに移動・ジャンプ・回転できます。▼" + "\n";
  }
  if (name == "ダフネ") {
    return std::string("女性型のフレームです。") + "\n" +
           "ブースターの助けなしに移動・ジャンプできます。" + "\n" + "回転はできません。▼" + "\n";
  }
  return "";
}

std::string headingHint(const std::string& caption) {
  static const std::array<std::pair<const char*, const char*>, 12> kHints = {{
      {"Rl", "値段"},
      {"パワー", "パワー：相手に与えるダメージの他、組みついた時の強さに影響します"},
      {"Offence", "攻撃力：値が大きいほど攻撃が当たりやすくなります"},
      {"Defence", "防御力：値が大きいほど攻撃が当たりにくくなります"},
      {"移動", "移動力：移動の効果が大きくなります"},
      {"ジャンプ", "ジャンプ力：ジャンプ攻撃のダメージが大きくなります"},
      {"回転", "回転力：回転攻撃のダメージが大きくなります"},
      {"AC", "アーマークラス：ダメージが軽減されます"},
      {"CPU", "CPU処理能力：値が大きいほど派手な技が繰り出せます"},
      {"メモリ", "メモリ：値が大きいほど多彩な技が繰り出せます"},
      {"重量", "重量：軽いほど移動やジャンプ、回転力が上がります"},
      {"HP", "ヒットポイント：パーツの丈夫さです"},
  }};
  for (const auto& [heading, hint] : kHints) {
    if (caption == heading) return hint;
  }
  return "";
}

}  // namespace velko
