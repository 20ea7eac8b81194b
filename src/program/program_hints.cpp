#include "program/program_hints.h"

#include "core/shown_text.h"
#include "model/action.h"

namespace velko {

namespace {

struct Hint {
  int action;
  const char* text;
  const char* paletteChipText;  // where the palette chip says more; nullptr: the same
};

constexpr Hint kHints[] = {
    {kMove, QT_TRID_NOOP("接近・離脱に使う他、移動攻撃により攻撃力が上がります"), nullptr},
    {kJump, QT_TRID_NOOP("ジャンプ後に攻撃すると、攻撃力が上がります"), nullptr},
    {kSpin, QT_TRID_NOOP("立ち上がるのに使う他、回転攻撃により攻撃力が上がります"), nullptr},
    {kPunch, QT_TRID_NOOP("パンチ"), nullptr},
    {kKick, QT_TRID_NOOP("パンチよりも与えるダメージが大きくなります"), nullptr},
    {kKumi, QT_TRID_NOOP("組むと攻撃が100%当たるようになります。組まないと投げや折りはできません"),
     nullptr},
    {kDrop, QT_TRID_NOOP("相手のモーターとフレームにダメージを与えます。組まないと投げられません"),
     QT_TRID_NOOP("相手のモーターとフレームにダメージを与えます。組まないと投げられません。"
                  "組まれている時、投げに成功すると外れます")},
    {kHold, QT_TRID_NOOP("相手のフレームに確実にダメージを与えます。組まないと折りはできません"),
     QT_TRID_NOOP("相手のフレームにのみ確実にダメージを与えます。相手のACを無視します。"
                  "組まないと折れません")},
    {kBlock, QT_TRID_NOOP("相手の攻撃に備えます"), nullptr},
    {kUke, QT_TRID_NOOP("ダメージが軽減されます"), nullptr},
    {kHazusi, QT_TRID_NOOP("組まれていたら外します。"), nullptr},
};

}  // namespace

std::string actionHint(int action, HintPlace place) {
  for (const Hint& hint : kHints) {
    if (action != hint.action) continue;
    if (place == HintPlace::PaletteChip && hint.paletteChipText) return shown(hint.paletteChipText);
    // The escape frame's hint has no closing full stop.
    if (place == HintPlace::PaletteFrame && action == kHazusi)
      return shown("組まれていたら外します");
    return shown(hint.text);
  }
  return "";
}

}  // namespace velko
