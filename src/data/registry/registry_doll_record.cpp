#include "data/registry/registry_doll_record.h"

#include <initializer_list>

#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_file_values.h"

namespace velko {

EnemyDollRecord enemyDollRecordOf(const doll& d) {
  EnemyDollRecord r;
  r.name = d.name;
  r.ownerID = d.ownerID;
  r.pow = d.pow;
  r.offence = d.offence;
  r.defence = d.defence;
  r.move = d.move;
  r.jump = d.jump;
  r.spin = d.spin;
  r.AC = d.AC;
  r.AP = d.AP;
  r.Memory = d.Memory;
  r.motor = d.Motor->ID;
  r.frame = d.frame->ID;
  for (int i = 0; i < 3; ++i) {
    r.boosters[i] = d.getBoost(i + 1)->ID;
    r.protectors[i] = d.getProtector(i + 1)->ID;
  }
  r.hard = d.Hard->ID;
  r.softM = d.getSoftM(0)->ID;
  r.softA = d.getSoftA(0)->ID;
  r.softD = d.getSoftD(0)->ID;
  r.junkParts = d.junkParts;
  r.value = d.value;
  r.weight = d.weight;
  r.image = d.image;
  return r;
}

std::vector<std::string> enemyDollLines(const EnemyDollRecord& r, int number) {
  return {
      "." + std::to_string(number),
      encodeNameLine(r.name),
      joinValues({r.ownerID, r.pow, r.offence, r.defence}),
      joinValues({r.move, r.jump, r.spin}),
      shortestReal(r.AC) + "," + joinValues({r.AP, r.Memory}),
      joinValues({r.motor, r.frame}),
      joinIds(r.boosters),
      joinIds(r.protectors),
      joinValues({r.hard, r.softM, r.softA, r.softD}),
      joinValues({r.junkParts, 1, r.value}) + "," + shortestReal(r.weight),
      "\"" + r.image + "\"",
  };
}

EnemyDollRecord readEnemyDollRecord(const TextFile& file, size_t first, size_t& next) {
  EnemyDollRecord r;
  r.name = decodeNameLine(nameLineAt(file, first));
  ValueStream in(file, first + 1);
  r.ownerID = in.nextInt();
  r.pow = in.nextInt();
  r.offence = in.nextInt();
  r.defence = in.nextInt();
  r.move = in.nextInt();
  r.jump = in.nextInt();
  r.spin = in.nextInt();
  r.AC = in.nextReal();
  r.AP = in.nextInt();
  r.Memory = in.nextInt();
  r.motor = in.nextInt();
  r.frame = in.nextInt();
  readIds(in, r.boosters);
  readIds(in, r.protectors);
  r.hard = in.nextInt();
  r.softM = in.nextInt();
  r.softA = in.nextInt();
  r.softD = in.nextInt();
  r.junkParts = in.nextInt();
  in.nextInt();  // the constant 1
  r.value = in.nextInt();
  r.weight = in.nextReal();
  r.image = in.nextText();
  next = in.nextLine();
  return r;
}

}  // namespace velko
