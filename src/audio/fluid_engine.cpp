#include "audio/fluid_engine.h"

#include <chrono>
#include <utility>

#include "audio/soundfont_path.h"

namespace velko::audio {

namespace {

// The game tells the player in its own message box; FluidSynth's own lines on the console
// would only repeat it.
void quietLog(const FluidApi& fluid) {
  fluid.fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
  fluid.fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid.fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
  fluid.fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}

}  // namespace

void applySynthSettings(const FluidApi& fluid, fluid_settings_t* settings) {
  fluid.fluid_settings_setint(settings, "synth.midi-channels", kSynthChannels);
  fluid.fluid_settings_setnum(settings, "synth.sample-rate", 44100.0);
  fluid.fluid_settings_setnum(settings, "synth.gain", 0.4);
}

FluidEngine::FluidEngine(FluidOutput output) : output_(std::move(output)) {}

FluidEngine::~FluidEngine() {
  release();
}

bool FluidEngine::start() {
  if (started_) return true;
  if (failed_) return false;

  // Without the library the game goes on as it does without a sound device.
  fluid_ = fluidApi();
  if (fluid_ == nullptr) {
    failed_ = true;
    return false;
  }
  const FluidApi& fluid = *fluid_;
  quietLog(fluid);
  settings_ = fluid.new_fluid_settings();
  applySynthSettings(fluid, settings_);
  synth_ = fluid.new_fluid_synth(settings_);
  if (synth_ != nullptr) {
    // The sequencer hangs on the synthesizer's clock; it must be in place before the audio
    // thread starts calling the synthesizer.
    sequencer_ = fluid.new_fluid_sequencer2(0);
    synthClient_ = fluid.fluid_sequencer_register_fluidsynth(sequencer_, synth_);
  }
  // No soundfont is loaded without a device to play it on: that is the slow part.
  if (synth_ == nullptr || synthClient_ == FLUID_FAILED || !openOutput() || !loadSoundfont()) {
    release();
    failed_ = true;
    return false;
  }
  // The sound effect's drums sit on the tenth channel of its block, as General MIDI wants;
  // FluidSynth makes only the tenth channel of all a drum channel by itself.
  fluid.fluid_synth_set_channel_type(synth_, kSoundEffectChannels + 9, CHANNEL_TYPE_DRUM);
  fluid.fluid_synth_bank_select(synth_, kSoundEffectChannels + 9, 128);
  started_ = true;
  return true;
}

unsigned int FluidEngine::now() const {
  return sequencer_ == nullptr ? 0 : fluid_->fluid_sequencer_get_tick(sequencer_);
}

void FluidEngine::render(int frames, float* left, float* right) {
  if (!started_ || driver_ != nullptr) return;
  fluid_->fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
}

bool FluidEngine::openOutput() {
  if (output_.rendersOffline) return true;
  if (!output_.fileName.empty()) {
    fluid_->fluid_settings_setstr(settings_, "audio.file.name", output_.fileName.c_str());
    fluid_->fluid_settings_setstr(settings_, "audio.file.type", "raw");
  }
  for (const std::string& name : output_.drivers) {
    if (fluid_->fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK)
      continue;
    driver_ = fluid_->new_fluid_audio_driver(settings_, synth_);
    if (driver_ != nullptr) return true;
  }
  return false;
}

bool FluidEngine::loadSoundfont() {
  const std::string path = findSoundfont();
  if (path.empty()) return false;
  const auto begin = std::chrono::steady_clock::now();
  if (fluid_->fluid_synth_sfload(synth_, path.c_str(), 1) == FLUID_FAILED) return false;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
  soundfontLoadSeconds_ = took.count();
  return true;
}

void FluidEngine::release() {
  // The audio thread goes first: it must not render from a synthesizer that is gone.
  if (driver_ != nullptr) fluid_->delete_fluid_audio_driver(driver_);
  if (sequencer_ != nullptr) fluid_->delete_fluid_sequencer(sequencer_);
  if (synth_ != nullptr) fluid_->delete_fluid_synth(synth_);
  if (settings_ != nullptr) fluid_->delete_fluid_settings(settings_);
  driver_ = nullptr;
  sequencer_ = nullptr;
  synthClient_ = -1;
  synth_ = nullptr;
  settings_ = nullptr;
  started_ = false;
}

}  // namespace velko::audio
