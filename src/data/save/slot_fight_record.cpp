#include "data/save/slot_fight_record.h"

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

std::string fightRecordText(const Owner& o) {
  return fill(shown("過去の成績\n%1勝%2敗\n優勝%3回\n"),
              {Str(o.recWin), Str(o.recLoose), Str(o.recChamp)});
}

void mnRec_Click(const Owner& owner, Prompter& prompter) {
  prompter.notify(fightRecordText(owner));
}

}  // namespace velko
