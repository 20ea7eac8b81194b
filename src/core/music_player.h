#pragma once
// The game's MIDI players, driven like a media control: a player that takes device commands
// (Close, Open, Play, seek, play), has a notification switch, a length and a position, and
// says when playing is done. The workshop's player carries the music, the battle screen's
// player the sound effect. Screens and career code drive a MusicPlayer; tests fake it.

#include <functional>
#include <string>

#include "core/prompter.h"
#include "core/shown_text.h"

namespace velko {

class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;

  // "Close": ends whatever plays and forgets the file. Closing a closed player does nothing.
  virtual void close() = 0;
  // "Open" of a MIDI file by name; false when the file or the device cannot be opened.
  virtual bool open(const std::string& fileName) = 0;
  // "Play"/"play": plays on from the current position; false when nothing is open.
  virtual bool play() = 0;
  // "seek": back to the start of the track, stopped; false when nothing is open.
  virtual bool seek() = 0;

  // The notification switch: when on, the done handler runs when playing reaches the end.
  virtual void setNotify(bool on) = 0;
  // Runs on the game's one thread, never from inside a command.
  virtual void setOnDone(std::function<void()> onDone) = 0;

  // In the track's own units (0 when nothing is open); position equals length at the end.
  virtual long length() const = 0;
  virtual long position() const = 0;
};

inline constexpr const char* kCannotPlayMessage =
    QT_TRID_NOOP("この環境ではＢＧＭを再生できません。必要なランタイムをインストールして下さい。");

// The file of a track in the game folder: "midi/", the track name, ".mid".
inline std::string trackFile(const std::string& track) {
  return "midi/" + track + ".mid";
}

// Starting a track (stMusic after its option test, and stSound): Close, notification on,
// Open, Play. A failing step is told through the prompter (which may keep quiet about a
// failure it has already told), and the game goes on without the track.
inline bool startTrack(MusicPlayer& player, const std::string& track, Prompter& prompter) {
  player.close();
  player.setNotify(true);
  if (player.open(trackFile(track)) && player.play()) {
    prompter.playing();
    return true;
  }
  prompter.cannotPlay(shown(kCannotPlayMessage));
  return false;
}

// The done notification (MMControl1_Done): a track that has reached its end is rewound and
// played again, so music repeats without end. A closed player has not reached any end.
inline void replayAtEnd(MusicPlayer& player) {
  if (player.length() == 0) return;
  if (player.position() != player.length()) return;
  player.seek();
  player.play();
}

// The battle screen's sound effect (stSound). Damage plays it at every blow; on a machine
// that cannot play it, trying again at every blow is pointless: after a failure this player
// stays silent for the rest of its fight.
class SoundEffect {
 public:
  SoundEffect(MusicPlayer& player, Prompter& prompter) : player_(player), prompter_(prompter) {}

  void stSound(const std::string& track) {
    if (failed_) return;
    failed_ = !startTrack(player_, track, prompter_);
  }

 private:
  MusicPlayer& player_;
  Prompter& prompter_;
  bool failed_ = false;
};

// A player that plays nothing and never fails: for runs without sound (simulations, benchmarks).
class SilentMusic : public MusicPlayer {
 public:
  void close() override {}
  bool open(const std::string&) override { return true; }
  bool play() override { return true; }
  bool seek() override { return true; }
  void setNotify(bool) override {}
  void setOnDone(std::function<void()>) override {}
  long length() const override { return 0; }
  long position() const override { return 0; }
};

}  // namespace velko
