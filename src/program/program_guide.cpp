#include "program/program_guide.h"

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

namespace {

const std::string kLf = "\n";

std::string openingText() {
  return shown("　ここでDollの動きをプログラムします。") + kLf + kLf +
         shown(
             "　基本行動を行動パターンにドラッグ＆ドロップして、「移動＋ジャンプ＋キック」のように"
             "設定して下さい。") +
         kLf + shown("　「移動＋パンチ＋移動」のようにすれば、ヒット＆アウェイも可能です。▼") + kLf;
}

// AP plus two dice reaches AP + 2 to AP + 12; about AP + 7 is the likely roll.
std::string costPage(int ap, int mem) {
  return shown(
             "　基本行動を複雑に組み合わせるほど、行動パターンの使用行動ポイントと使用メモリも増え"
             "て"
             "行きます。") +
         kLf + shown("①使用行動ポイントが大きい程、その技を出せる確率が低くなります。") + kLf +
         fill(shown("　このDollの行動ポイントは%1～%2　なので、%2以内、%3ポイントくらいの技を中心に"
                    "考えましょう。"),
              {Str(ap + 2), Str(ap + 12), Str(ap + 7)}) +
         kLf + fill(shown("②あなたのコンピュータのメモリは%1です。"), {Str(mem)}) + kLf +
         fill(
             shown("　全ての行動パターンの使用メモリの合計が、%1以内に収まるよう設定しましょう。▼"),
             {Str(mem)}) +
         kLf;
}

std::string strengthPage() {
  return shown("　得意な技を多く組みこむのがコツです。") + kLf +
         shown(
             "ジャンプ力があるDollはジャンプを多く組みこむべきですし、パワーがあるDollは連打をや投"
             "げ、"
             "折りを多用すると効果的です。▼") +
         kLf;
}

std::string musthavePage() {
  return shown("「移動」を組みこんだ技（離れた相手と戦うため）") + kLf +
         shown("「回転」を組みこんだ技（転倒時に立ちあがるため）") + kLf +
         shown("「外し」を組みこんだ技（組まれたときのため）") + kLf +
         shown("を最低一つは入れておくべきでしょう。▼") + kLf;
}

std::string movePage() {
  return shown("　「移動」は試合中に、そのつど「接近」か「離脱」を選びます。") + kLf +
         shown(
             "接近: 離れていれば間合いを詰め、距離0なら勢いをつけて次の打撃や組みのパワーを上げま"
             "す。") +
         kLf + shown("離脱: 間合いを離して、相手の打撃を届かなくします。") + kLf +
         shown(
             "「移動＋パンチ＋移動」なら、1つめは「接近」、2つめは「離脱」でヒット＆アウェイにな"
             "ります。▼") +
         kLf;
}

}  // namespace

ProgramGuide::ProgramGuide(bool guideOn, int16_t dollAP, int16_t dollMemory)
    : guideOn_(guideOn), dollAP_(dollAP), dollMemory_(dollMemory) {}

void ProgramGuide::open() {
  page_ = 0;
  if (!guideOn_) {
    visible_ = false;
    return;
  }
  showGuide(openingText());
}

void ProgramGuide::dspGuide_Click() {
  switch (page_) {
    case 0:
      showGuide(costPage(dollAP_, dollMemory_));
      page_ = 1;
      return;
    case 1:
      showGuide(strengthPage());
      page_ = 2;
      return;
    case 2:
      showGuide(musthavePage());
      page_ = 3;
      return;
    case 3:
      showGuide(movePage());
      page_ = 4;
      return;
    default:
      visible_ = false;
      page_ = 0;
      return;
  }
}

void ProgramGuide::showGuide(const std::string& text) {
  if (!guideOn_) {
    visible_ = false;
    return;
  }
  text_ = text;
  visible_ = true;
}

}  // namespace velko
