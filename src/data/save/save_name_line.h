#pragma once
// Names (player, Doll, pattern) stand alone on their line in the save and registry files.
//
// A name is written as it is unless that could change it on the way back. When it holds a
// comma, a double quote or a line break, begins with a full stop (the line would read as a
// record header) or a blank, or ends with a blank, it is written in double quotes, and inside
// the quotes "%" becomes "%25", a double quote "%22", CR "%0D" and LF "%0A". A reader that
// splits the line into values still finds exactly one value there, so the values after the
// name keep their places; our readers take the line whole and undo the quoting. A line that
// does not both begin and end with a double quote is the name as it stands, blanks around it
// dropped as the value rules drop them.

#include <string>

namespace velko {

std::string encodeNameLine(const std::string& name);
std::string decodeNameLine(const std::string& line);

}  // namespace velko
