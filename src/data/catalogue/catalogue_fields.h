#pragma once
// The record layouts of the catalogue files: how each kind's values follow its header. Shared
// by the game's readers and the catalogue check.

#include <cstdint>
#include <string>

#include "data/files/data_file_error.h"
#include "data/files/game_folder.h"
#include "data/files/text_file.h"
#include "data/files/value_stream.h"
#include "model/parts.h"
#include "model/software.h"

namespace velko {

// Whether a reader is filling a shop table or looking one part up.
enum class Use { Lookup, Table };

// Reads a catalogue file by its game path; messages name it as "ini/Motor.ini".
TextFile openCatalogue(const GameFolder& folder, const char* gamePath);

bool isHeader(const std::string& line);
// The number in the three characters after the full stop (".7", ".07", ".007x" all give 7).
int headerId(const std::string& line);

// A header whose ID has no slot in the kind's shop table (0 .. tableSize-1).
DataFileError noShelfError(const std::string& file, size_t line, int id, size_t tableSize);

// Lookup readers fill maxHP with the catalogue HP; table readers leave it 0.
void readMotor(ValueStream& in, Motor& m, Use use);
void readFrameValues(ValueStream& in, DollFrame& f, Use use);  // all but the picture type
void readFrame(ValueStream& in, DollFrame& f, Use use);
void readBooster(ValueStream& in, Booster& b, Use use);
void readProtector(ValueStream& in, Protector& p, Use use);
void readHard(ValueStream& in, Hard& h, Use use);
// Lookup readers go through init and init2; table readers give the software fresh actions
// that carry only the costs.
void readSoftM(ValueStream& in, SoftMobile& s, Use use, int16_t id);
void readSoftA(ValueStream& in, SoftAttack& s, Use use, int16_t id);
void readSoftD(ValueStream& in, SoftDeffence& s, Use use, int16_t id);

}  // namespace velko
