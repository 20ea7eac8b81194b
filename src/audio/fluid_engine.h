#pragma once
// The one FluidSynth synthesizer of the game, shared by the music and the sound effect, with
// its sequencer, audio output and soundfont. Nothing is started before the first track: the
// title screen must come up as fast as a bare window, so even the FluidSynth library is only
// loaded then.

#include <fluidsynth.h>

#include <string>
#include <vector>

#include "audio/fluid_api.h"

namespace velko::audio {

// Synth channels: sixteen for the music, sixteen more for the sound effect, so the sound
// effect's instruments never replace the music's.
inline constexpr int kMusicChannels = 0;
inline constexpr int kSoundEffectChannels = 16;
inline constexpr int kSynthChannels = 32;

struct FluidOutput {
  // Audio drivers tried in order; the first that opens a device plays. JACK is left out: it
  // needs a running server and may try to start one.
  std::vector<std::string> drivers = {"pipewire", "pulseaudio", "alsa", "oss"};
  // Where the "file" driver writes, when that driver is asked for.
  std::string fileName;
  // No audio thread at all: time stands until the owner calls render() (offline use, tests).
  bool rendersOffline = false;
};

// The synthesizer settings the game plays with (channels, gain, sample rate).
void applySynthSettings(const FluidApi& fluid, fluid_settings_t* settings);

class FluidEngine {
 public:
  explicit FluidEngine(FluidOutput output = {});
  ~FluidEngine();
  FluidEngine(const FluidEngine&) = delete;
  FluidEngine& operator=(const FluidEngine&) = delete;

  // Loads FluidSynth and starts the synthesizer, its audio output and the soundfont on the
  // first call; false when any of them fails. A failure is remembered: every later start
  // fails at once rather than trying the devices again at each blow of a fight.
  bool start();
  bool started() const { return started_; }

  // The FluidSynth functions; only once started.
  const FluidApi& fluid() const { return *fluid_; }

  fluid_synth_t* synth() const { return synth_; }
  fluid_sequencer_t* sequencer() const { return sequencer_; }
  // The sequencer's destination that plays on the synthesizer.
  fluid_seq_id_t synthClient() const { return synthClient_; }
  // Sequencer time in milliseconds; it advances as the synthesizer renders.
  unsigned int now() const;

  // Offline output only: renders frames of stereo sound, which moves time on.
  void render(int frames, float* left, float* right);

  // Seconds the soundfont took to load (0 before it is loaded).
  double soundfontLoadSeconds() const { return soundfontLoadSeconds_; }

 private:
  bool openOutput();
  bool loadSoundfont();
  void release();

  FluidOutput output_;
  const FluidApi* fluid_ = nullptr;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_sequencer_t* sequencer_ = nullptr;
  fluid_seq_id_t synthClient_ = -1;
  fluid_audio_driver_t* driver_ = nullptr;
  bool started_ = false;
  bool failed_ = false;
  double soundfontLoadSeconds_ = 0;
};

}  // namespace velko::audio
