#pragma once
// The last line of the game's checksummed text files (league, history, hall of fame): "check"
// and the checksum of every byte before it. Nothing may follow it.

namespace velko {

class KeyedLines;

// Reads the line; refuses a wrong checksum and any line after it, naming the line.
void readCheckLine(KeyedLines& lines);

}  // namespace velko
