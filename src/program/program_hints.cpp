#include "program/program_hints.h"

namespace velko {

namespace {

struct Hint {
  const char* name;
  const char* text;
  const char* paletteChipText;  // where the palette chip says more; nullptr: the same
};

constexpr Hint kHints[] = {
    {"移動", "接近・離脱に使う他、移動攻撃により攻撃力が上がります", nullptr},
    {"ジャンプ", "ジャンプ後に攻撃すると、攻撃力が上がります", nullptr},
    {"回転", "立ち上がるのに使う他、回転攻撃により攻撃力が上がります", nullptr},
    {"パンチ", "パンチ", nullptr},
    {"キック", "パンチよりも与えるダメージが大きくなります", nullptr},
    {"組み", "組むと攻撃が100%当たるようになります。組まないと投げや折りはできません", nullptr},
    {"投げ", "相手のモーターとフレームにダメージを与えます。組まないと投げられません",
     "相手のモーターとフレームにダメージを与えます。組まないと投げられません。"
     "組まれている時、投げに成功すると外れます"},
    {"折り", "相手のフレームに確実にダメージを与えます。組まないと折りはできません",
     "相手のフレームにのみ確実にダメージを与えます。相手のACを無視します。"
     "組まないと折れません"},
    {"防御", "相手の攻撃に備えます", nullptr},
    {"受身", "ダメージが軽減されます", nullptr},
    {"外し", "組まれていたら外します。", nullptr},
};

}  // namespace

std::string actionHint(const std::string& name, HintPlace place) {
  for (const Hint& hint : kHints) {
    if (name != hint.name) continue;
    if (place == HintPlace::PaletteChip && hint.paletteChipText) return hint.paletteChipText;
    // The escape frame's hint has no closing full stop.
    if (place == HintPlace::PaletteFrame && name == "外し") return "組まれていたら外します";
    return hint.text;
  }
  return "";
}

}  // namespace velko
