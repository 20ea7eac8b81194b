#pragma once
// A device-command MIDI player on the game's FluidSynth synthesizer: the workshop's music
// player and the battle screen's sound-effect player are each one of these. "Play" hands the
// whole track to the synthesizer's sequencer, which plays it on the audio thread; "seek" and
// "Close" take back what has not sounded yet. Position and length are in milliseconds.

#include <fluidsynth.h>

#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "audio/fluid_engine.h"
#include "audio/midi_file.h"
#include "core/music_player.h"
#include "data/files/game_folder.h"

namespace velko::audio {

class FluidMidiPlayer : public MusicPlayer {
 public:
  // channels: the first of the sixteen synth channels this player plays on
  // (kMusicChannels or kSoundEffectChannels). The engine must outlive the player.
  // Track names are game paths ("midi/SE.mid") in the given folder; by default the working
  // directory at the time a track opens.
  FluidMidiPlayer(FluidEngine& engine, int channels, GameFolder folder = GameFolder("."));
  ~FluidMidiPlayer() override;
  FluidMidiPlayer(const FluidMidiPlayer&) = delete;
  FluidMidiPlayer& operator=(const FluidMidiPlayer&) = delete;

  void close() override;
  bool open(const std::string& fileName) override;
  bool play() override;
  bool seek() override;
  void setNotify(bool on) override { notify_ = on; }
  void setOnDone(std::function<void()> onDone) override { onDone_ = std::move(onDone); }
  long length() const override;
  long position() const override;

 private:
  void schedule();
  void unschedule();
  void checkDone();

  FluidEngine& engine_;
  int channels_;
  GameFolder folder_;
  fluid_seq_id_t source_ = -1;  // marks this player's events in the sequencer
  std::optional<MidiSong> song_;
  unsigned int startMs_ = 0;  // sequencer time of the track's start
  bool playing_ = false;
  bool atEnd_ = false;
  bool notify_ = false;
  std::function<void()> onDone_;
  // The sequencer plays on the audio thread and tells nobody when a track ends; this timer
  // looks on the game's thread, so the done handler runs there too.
  QTimer doneTimer_;
};

}  // namespace velko::audio
