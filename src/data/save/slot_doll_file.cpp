#include "data/save/slot_doll_file.h"

#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_file_values.h"

namespace velko {

std::vector<std::string> dollFileLines(const DollFile& d) {
  return {
      encodeNameLine(d.name),
      std::to_string(d.ownerID) + "," + std::to_string(d.motor) + "," + std::to_string(d.frame),
      joinIds(d.boosters),
      joinIds(d.protectors),
      std::to_string(d.hard),
      joinIds(d.softM),
      joinIds(d.softA),
      joinIds(d.softD),
      std::to_string(d.junkParts),
      std::to_string(d.motorHP) + "," + std::to_string(d.frameHP),
      d.programed ? "True" : "False",
  };
}

DollFile parseDollFile(const TextFile& file) {
  DollFile d;
  d.name = decodeNameLine(lineAt(file, 0));
  ValueStream in(file, 1);
  d.ownerID = in.nextInt();
  d.motor = in.nextInt();
  d.frame = in.nextInt();
  readIds(in, d.boosters);
  readIds(in, d.protectors);
  d.hard = in.nextInt();
  readIds(in, d.softM);
  readIds(in, d.softA);
  readIds(in, d.softD);
  d.junkParts = in.nextInt();
  d.motorHP = in.nextInt();
  d.frameHP = in.nextInt();
  d.programed = in.nextText() == "True";
  return d;
}

}  // namespace velko
