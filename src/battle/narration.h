#pragma once
// The running narration of a step, written only where somebody reads it. The fights of the
// practice lab, the league and the advice have no reader: building their texts cost more than
// the rules themselves, so a fight without a reader builds none.
// Texts are marked with QT_TRID_NOOP so the translation tools find them.

#include <string>

#include "core/shown_text.h"
#include "model/doll.h"

namespace velko {

class Narration {
 public:
  Narration(std::string& log, bool on) : log_(log), on_(on) {}

  bool on() const { return on_; }

  // A marked text in the player's language; line() ends the line with CR LF.
  void say(const char* text);
  void line(const char* text);
  // A marked template whose %1 is a number, written as the game writes numbers into texts.
  void say(const char* pattern, long number);
  void line(const char* pattern, long number);
  // A marked template whose %1 is a Doll's name as the fight shows it.
  void line(const char* pattern, const doll& d);
  void endLine();

 private:
  std::string& log_;
  bool on_;
};

}  // namespace velko
