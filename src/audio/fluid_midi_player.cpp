#include "audio/fluid_midi_player.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace velko::audio {

namespace {

// Often enough that a looping track starts again without a gap anyone hears.
constexpr int kDoneCheckMs = 10;

std::optional<std::vector<uint8_t>> readFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// The sequencer event of a channel message, moved to the given synth channel.
bool fillEvent(const FluidApi& fluid, fluid_event_t* event, const MidiMessage& message,
               int channel) {
  const int key = message.data1;
  const int value = message.data2;
  switch (message.status & 0xF0) {
    case 0x80:
      fluid.fluid_event_noteoff(event, channel, static_cast<short>(key));
      return true;
    case 0x90:
      fluid.fluid_event_noteon(event, channel, static_cast<short>(key), static_cast<short>(value));
      return true;
    case 0xA0:
      fluid.fluid_event_key_pressure(event, channel, static_cast<short>(key), value);
      return true;
    case 0xB0:
      fluid.fluid_event_control_change(event, channel, static_cast<short>(key), value);
      return true;
    case 0xC0:
      fluid.fluid_event_program_change(event, channel, key);
      return true;
    case 0xD0:
      fluid.fluid_event_channel_pressure(event, channel, key);
      return true;
    case 0xE0:
      fluid.fluid_event_pitch_bend(event, channel, (value << 7) | key);
      return true;
  }
  return false;
}

}  // namespace

FluidMidiPlayer::FluidMidiPlayer(FluidEngine& engine, int channels, GameFolder folder)
    : engine_(engine), channels_(channels), folder_(std::move(folder)) {
  doneTimer_.setInterval(kDoneCheckMs);
  QObject::connect(&doneTimer_, &QTimer::timeout, [this] { checkDone(); });
}

FluidMidiPlayer::~FluidMidiPlayer() {
  close();
  if (source_ != -1 && engine_.started())
    engine_.fluid().fluid_sequencer_unregister_client(engine_.sequencer(), source_);
}

void FluidMidiPlayer::close() {
  unschedule();
  if (engine_.started()) {
    // Silence at once, and leave the channels as the next track expects them.
    const FluidApi& fluid = engine_.fluid();
    for (int channel = channels_; channel < channels_ + 16; ++channel) {
      fluid.fluid_synth_all_sounds_off(engine_.synth(), channel);
      fluid.fluid_synth_cc(engine_.synth(), channel, 121, 0);  // reset all controllers
    }
  }
  song_.reset();
  atEnd_ = false;
}

bool FluidMidiPlayer::open(const std::string& fileName) {
  close();
  // A whole path stays as it is; a track name is looked up in the game folder.
  const bool whole = std::filesystem::path(fileName).is_absolute();
  const std::optional<std::vector<uint8_t>> bytes =
      readFile(whole ? fileName : folder_.path(fileName).string());
  if (!bytes) return false;
  std::optional<MidiSong> song = readMidiSong(*bytes);
  if (!song) return false;
  if (!engine_.start()) return false;
  if (source_ == -1)
    source_ = engine_.fluid().fluid_sequencer_register_client(engine_.sequencer(), "velko", nullptr,
                                                              nullptr);
  if (source_ == FLUID_FAILED) {
    source_ = -1;
    return false;
  }
  song_ = std::move(song);
  return true;
}

bool FluidMidiPlayer::play() {
  if (!song_) return false;
  if (playing_ || atEnd_) return true;
  schedule();
  return true;
}

bool FluidMidiPlayer::seek() {
  if (!song_) return false;
  unschedule();
  // Notes still held are let go, so they ring out into the new start.
  for (int channel = channels_; channel < channels_ + 16; ++channel)
    engine_.fluid().fluid_synth_all_notes_off(engine_.synth(), channel);
  atEnd_ = false;
  return true;
}

long FluidMidiPlayer::length() const {
  if (!song_) return 0;
  return std::lround(song_->lengthMs);
}

long FluidMidiPlayer::position() const {
  if (!song_) return 0;
  if (atEnd_) return length();
  if (!playing_) return 0;
  const long played = static_cast<long>(engine_.now() - startMs_);
  return played < length() ? played : length();
}

// The whole track goes to the sequencer at once, timed from now.
void FluidMidiPlayer::schedule() {
  const FluidApi& fluid = engine_.fluid();
  startMs_ = engine_.now();
  fluid_event_t* event = fluid.new_fluid_event();
  fluid.fluid_event_set_source(event, source_);
  fluid.fluid_event_set_dest(event, engine_.synthClient());
  for (const MidiMessage& message : song_->messages) {
    const int channel = channels_ + (message.status & 0x0F);
    if (!fillEvent(fluid, event, message, channel)) continue;
    const unsigned int at = startMs_ + static_cast<unsigned int>(std::lround(message.ms));
    fluid.fluid_sequencer_send_at(engine_.sequencer(), event, at, 1);
  }
  fluid.delete_fluid_event(event);
  playing_ = true;
  doneTimer_.start();
}

void FluidMidiPlayer::unschedule() {
  doneTimer_.stop();
  playing_ = false;
  if (source_ == -1 || !engine_.started()) return;
  engine_.fluid().fluid_sequencer_remove_events(engine_.sequencer(), source_, -1, -1);
}

void FluidMidiPlayer::checkDone() {
  if (!playing_) return;
  if (position() < length()) return;
  doneTimer_.stop();
  playing_ = false;
  atEnd_ = true;
  if (notify_ && onDone_) onDone_();
}

}  // namespace velko::audio
