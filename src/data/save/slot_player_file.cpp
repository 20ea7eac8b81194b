#include "data/save/slot_player_file.h"
#include "core/shown_text.h"

#include <initializer_list>

#include "data/files/data_file_error.h"
#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_file_values.h"

namespace velko {

std::vector<std::string> playerFileLines(const PlayerFile& d) {
  return {
      d.date.format(),
      encodeNameLine(d.name),
      joinValues({d.Lv, d.exp, d.Rl}),
      joinValues({d.skillPlay, d.skillHard, d.skillSoft}),
      joinIds(d.motors),
      joinIds(d.frames),
      joinIds(d.boosters),
      joinIds(d.protectors),
      joinIds(d.hards),
      joinIds(d.softM),
      joinIds(d.softA),
      joinIds(d.softD),
      joinValues({d.music ? 1 : 0, d.guide ? 1 : 0}),
      joinValues({d.recWin, d.recLoose, d.recChamp}),
  };
}

PlayerFile parsePlayerFile(const TextFile& file) {
  PlayerFile d;
  const auto date = GameDate::parse(lineAt(file, 0));
  if (!date) {
    throw DataFileError(DataFileError::Kind::Malformed, file.name, 1, shown("日付ではありません"));
  }
  d.date = *date;
  d.name = decodeNameLine(lineAt(file, 1));
  ValueStream in(file, 2);
  d.Lv = in.nextInt();
  d.exp = in.nextInt();
  d.Rl = in.nextInt();
  d.skillPlay = in.nextInt();
  d.skillHard = in.nextInt();
  d.skillSoft = in.nextInt();
  readIds(in, d.motors);
  readIds(in, d.frames);
  readIds(in, d.boosters);
  readIds(in, d.protectors);
  readIds(in, d.hards);
  readIds(in, d.softM);
  readIds(in, d.softA);
  readIds(in, d.softD);
  d.music = in.nextInt() == 1;
  d.guide = in.nextInt() == 1;
  d.recWin = in.nextInt();
  d.recLoose = in.nextInt();
  d.recChamp = in.nextInt();
  return d;
}

}  // namespace velko
