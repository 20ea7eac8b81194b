#include "data/slot_fight_record.h"

#include "core/numbers.h"

namespace velko {

std::string fightRecordText(const Owner& o) {
  return "過去の成績\n" + Str(o.recWin) + "勝" + Str(o.recLoose) + "敗\n" + "優勝" +
         Str(o.recChamp) + "回\n";
}

void mnRec_Click(const Owner& owner, Prompter& prompter) {
  prompter.notify(fightRecordText(owner));
}

}  // namespace velko
