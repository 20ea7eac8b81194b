// The names the game ships (the parts of assets/ini, the opponents of
// assets/factory_roster.txt and the action patterns velko-roster gives them), listed so the
// translation tools find them. A new part, factory opponent or pattern name adds its line here;
// the factory opponents stand in their registry order.

#include "core/shipped_names.h"

#include "core/shown_text.h"

#include <iterator>

namespace velko {

namespace {

[[maybe_unused]] const char* const kShippedNames[] = {
    QT_TRID_NOOP("part:ポニー"),
    QT_TRID_NOOP("part:ミュール"),
    QT_TRID_NOOP("part:スパロー"),
    QT_TRID_NOOP("part:ブルドッグ"),
    QT_TRID_NOOP("part:ホーネット"),
    QT_TRID_NOOP("part:ジャッカル"),
    QT_TRID_NOOP("part:バイソン"),
    QT_TRID_NOOP("part:ライコウ"),
    QT_TRID_NOOP("part:ハヤテ"),
    QT_TRID_NOOP("part:マンモス"),
    QT_TRID_NOOP("part:グリフォン"),
    QT_TRID_NOOP("part:スレイプニル"),
    QT_TRID_NOOP("part:タイタン"),
    QT_TRID_NOOP("part:ワイバーン"),
    QT_TRID_NOOP("part:シルフィード"),
    QT_TRID_NOOP("part:ベヒモス"),
    QT_TRID_NOOP("part:バハムート"),
    QT_TRID_NOOP("part:フェンリル"),
    QT_TRID_NOOP("part:轟天"),
    QT_TRID_NOOP("part:修羅"),
    QT_TRID_NOOP("part:羅刹"),
    QT_TRID_NOOP("part:バルキリー"),
    QT_TRID_NOOP("part:ダフネ"),
    QT_TRID_NOOP("part:足軽"),
    QT_TRID_NOOP("part:野武士"),
    QT_TRID_NOOP("part:ニンフ"),
    QT_TRID_NOOP("part:夜叉"),
    QT_TRID_NOOP("part:セイレーン"),
    QT_TRID_NOOP("part:般若"),
    QT_TRID_NOOP("part:ディアナ"),
    QT_TRID_NOOP("part:金剛"),
    QT_TRID_NOOP("part:アルテミス"),
    QT_TRID_NOOP("part:韋駄天"),
    QT_TRID_NOOP("part:ミネルヴァ"),
    QT_TRID_NOOP("part:阿修羅"),
    QT_TRID_NOOP("part:アテナ"),
    QT_TRID_NOOP("part:風神"),
    QT_TRID_NOOP("part:雷神"),
    QT_TRID_NOOP("part:ニケ"),
    QT_TRID_NOOP("part:ローラー"),
    QT_TRID_NOOP("part:スプリング"),
    QT_TRID_NOOP("part:ジャイロ"),
    QT_TRID_NOOP("part:ホッパー"),
    QT_TRID_NOOP("part:ホイール"),
    QT_TRID_NOOP("part:ハイジャンパー"),
    QT_TRID_NOOP("part:ターボファン"),
    QT_TRID_NOOP("part:スピナー"),
    QT_TRID_NOOP("part:エアリアル"),
    QT_TRID_NOOP("part:ロケット"),
    QT_TRID_NOOP("part:トルネード"),
    QT_TRID_NOOP("part:ソニック"),
    QT_TRID_NOOP("part:フェザー"),
    QT_TRID_NOOP("part:サイクロン"),
    QT_TRID_NOOP("part:イカロス"),
    QT_TRID_NOOP("part:ハヤブサ"),
    QT_TRID_NOOP("part:ミラージュ"),
    QT_TRID_NOOP("part:ペガサス"),
    QT_TRID_NOOP("part:流星"),
    QT_TRID_NOOP("part:レザーパッド"),
    QT_TRID_NOOP("part:ラバーガード"),
    QT_TRID_NOOP("part:スチール"),
    QT_TRID_NOOP("part:FRPシェル"),
    QT_TRID_NOOP("part:アルミプレート"),
    QT_TRID_NOOP("part:ナイロンメッシュ"),
    QT_TRID_NOOP("part:重装甲板"),
    QT_TRID_NOOP("part:カーボン"),
    QT_TRID_NOOP("part:チタンプレート"),
    QT_TRID_NOOP("part:セラミック"),
    QT_TRID_NOOP("part:アラミド"),
    QT_TRID_NOOP("part:Kevler"),
    QT_TRID_NOOP("part:複合装甲"),
    QT_TRID_NOOP("part:ハニカム"),
    QT_TRID_NOOP("part:超硬合金"),
    QT_TRID_NOOP("part:衝撃吸収ジェル"),
    QT_TRID_NOOP("part:反応装甲"),
    QT_TRID_NOOP("part:ナノスキン"),
    QT_TRID_NOOP("part:オリハルコン"),
    QT_TRID_NOOP("part:ベーシック"),
    QT_TRID_NOOP("part:カリキュレ"),
    QT_TRID_NOOP("part:ロジック"),
    QT_TRID_NOOP("part:ニューロ"),
    QT_TRID_NOOP("part:アナライザ"),
    QT_TRID_NOOP("part:メモリア"),
    QT_TRID_NOOP("part:タクティクス"),
    QT_TRID_NOOP("part:ストラテジ"),
    QT_TRID_NOOP("part:アーカイブ"),
    QT_TRID_NOOP("part:オラクル"),
    QT_TRID_NOOP("part:ブレイン"),
    QT_TRID_NOOP("part:ライブラリ"),
    QT_TRID_NOOP("part:セージ"),
    QT_TRID_NOOP("part:アルゴス"),
    QT_TRID_NOOP("part:ソフィア"),
    QT_TRID_NOOP("part:メティス"),
    QT_TRID_NOOP("part:アカシック"),
    QT_TRID_NOOP("part:プロメテウス"),
    QT_TRID_NOOP("part:ラプラス"),
    QT_TRID_NOOP("part:ウォーカー"),
    QT_TRID_NOOP("part:ステッパー"),
    QT_TRID_NOOP("part:ランナー"),
    QT_TRID_NOOP("part:アクロバット"),
    QT_TRID_NOOP("part:エアダンス"),
    QT_TRID_NOOP("part:天翔"),
    QT_TRID_NOOP("part:ブロウラー"),
    QT_TRID_NOOP("part:ストライカー"),
    QT_TRID_NOOP("part:柔術"),
    QT_TRID_NOOP("part:マーシャル"),
    QT_TRID_NOOP("part:ファイター"),
    QT_TRID_NOOP("part:覇王"),
    QT_TRID_NOOP("part:ガード"),
    QT_TRID_NOOP("part:シェル"),
    QT_TRID_NOOP("part:パリィ"),
    QT_TRID_NOOP("part:不動心"),
    QT_TRID_NOOP("part:鉄壁"),
    QT_TRID_NOOP("part:旧式ガード"),
    QT_TRID_NOOP("pattern:ダッシュ連撃"),
    QT_TRID_NOOP("pattern:ダッシュパンチ"),
    QT_TRID_NOOP("pattern:連続攻撃"),
    QT_TRID_NOOP("pattern:ジャブ"),
    QT_TRID_NOOP("pattern:起き上がり蹴り"),
    QT_TRID_NOOP("pattern:振りほどき"),
    QT_TRID_NOOP("pattern:組み投げ"),
};

// The factory opponents by registry number: kFactoryDolls[n - 1] is Doll n.
const char* const kFactoryDolls[] = {
    QT_TRID_NOOP("doll:ブリキ丸"),
    QT_TRID_NOOP("doll:ゼンマイ小僧"),
    QT_TRID_NOOP("doll:カラクリ太郎"),
    QT_TRID_NOOP("doll:ポンコツ号"),
    QT_TRID_NOOP("doll:アイアンキッド"),
    QT_TRID_NOOP("doll:スクラップ"),
    QT_TRID_NOOP("doll:ガラクタ王"),
    QT_TRID_NOOP("doll:ブリキの騎士"),
    QT_TRID_NOOP("doll:ネジマキ"),
    QT_TRID_NOOP("doll:鋼鉄丸"),
    QT_TRID_NOOP("doll:シルバーフォックス"),
    QT_TRID_NOOP("doll:レッドホーク"),
    QT_TRID_NOOP("doll:ブルーシャーク"),
    QT_TRID_NOOP("doll:鉄拳"),
    QT_TRID_NOOP("doll:疾風"),
    QT_TRID_NOOP("doll:雷電"),
    QT_TRID_NOOP("doll:ヴァルカン"),
    QT_TRID_NOOP("doll:ゴーレム"),
    QT_TRID_NOOP("doll:黒騎士"),
    QT_TRID_NOOP("doll:白銀"),
    QT_TRID_NOOP("doll:紅蓮"),
    QT_TRID_NOOP("doll:蒼天"),
    QT_TRID_NOOP("doll:金剛力士"),
    QT_TRID_NOOP("doll:阿修羅王"),
    QT_TRID_NOOP("doll:ミネルヴァ"),
    QT_TRID_NOOP("doll:アテナ"),
    QT_TRID_NOOP("doll:天帝"),
    QT_TRID_NOOP("doll:覇王"),
};

std::string shownShipped(const std::string& prefix, const std::string& name) {
  const std::string key = prefix + name;
  const std::string text = shown(key.c_str());
  return text == key ? name : text;
}

}  // namespace

std::string shownPartName(const std::string& name) {
  const std::string shownName = shownShipped("part:", name);
  if (shownName != name) return shownName;
  // A second plate of one kind is worn under its name and a number (スチール1): the name is
  // the catalogue's, the number stays.
  const size_t digits = name.find_last_not_of("0123456789") + 1;
  if (digits == 0 || digits == name.size()) return name;
  return shownShipped("part:", name.substr(0, digits)) + name.substr(digits);
}

bool isFactoryDoll(int number, const std::string& name) {
  if (number < 1 || number > static_cast<int>(std::size(kFactoryDolls))) return false;
  return kFactoryDolls[number - 1] == "doll:" + name;
}

std::string shownDollName(int number, const std::string& name) {
  if (!isFactoryDoll(number, name)) return name;
  return shownShipped("doll:", name);
}

std::string shownPatternName(int dollNumber, const std::string& dollName,
                             const std::string& patternName) {
  if (!isFactoryDoll(dollNumber, dollName)) return patternName;
  return shownShipped("pattern:", patternName);
}

}  // namespace velko
