#pragma once
// The FluidSynth functions the game calls, found in the library when the first track plays
// rather than linked in: loading FluidSynth and the forty libraries it needs would otherwise
// slow every start of the game, music or not. The header still gives the types and constants.

#include <fluidsynth.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace velko::audio {

// Every FluidSynth function the audio code uses; one line here is all a new one needs.
#define VELKO_FLUID_FUNCTIONS(F)         \
  F(fluid_set_log_function)              \
  F(fluid_is_soundfont)                  \
  F(new_fluid_settings)                  \
  F(delete_fluid_settings)               \
  F(fluid_settings_setint)               \
  F(fluid_settings_setnum)               \
  F(fluid_settings_setstr)               \
  F(new_fluid_synth)                     \
  F(delete_fluid_synth)                  \
  F(fluid_synth_sfload)                  \
  F(fluid_synth_set_channel_type)        \
  F(fluid_synth_bank_select)             \
  F(fluid_synth_write_float)             \
  F(fluid_synth_all_sounds_off)          \
  F(fluid_synth_all_notes_off)           \
  F(fluid_synth_cc)                      \
  F(new_fluid_audio_driver)              \
  F(delete_fluid_audio_driver)           \
  F(new_fluid_sequencer2)                \
  F(delete_fluid_sequencer)              \
  F(fluid_sequencer_register_fluidsynth) \
  F(fluid_sequencer_register_client)     \
  F(fluid_sequencer_unregister_client)   \
  F(fluid_sequencer_get_tick)            \
  F(fluid_sequencer_send_at)             \
  F(fluid_sequencer_remove_events)       \
  F(new_fluid_event)                     \
  F(delete_fluid_event)                  \
  F(fluid_event_set_source)              \
  F(fluid_event_set_dest)                \
  F(fluid_event_noteon)                  \
  F(fluid_event_noteoff)                 \
  F(fluid_event_key_pressure)            \
  F(fluid_event_control_change)          \
  F(fluid_event_program_change)          \
  F(fluid_event_channel_pressure)        \
  F(fluid_event_pitch_bend)

// Each member has the name and the exact type of the library's function.
struct FluidApi {
#define VELKO_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
  VELKO_FLUID_FUNCTIONS(VELKO_FLUID_MEMBER)
#undef VELKO_FLUID_MEMBER
};

// The system's FluidSynth, loaded on the first call (libfluidsynth.so.3, else
// libfluidsynth.so) and kept for the rest of the process. Null when the library or any of its
// functions is missing, which is said once on stderr; the game itself then plays no music,
// as without a sound device. Safe to call from any thread.
const FluidApi* fluidApi();

// Loads the first of the named libraries that opens and finds every function in it; nullopt
// with the reason in error when none opens or a function is missing. The library stays loaded.
std::optional<FluidApi> loadFluidApi(std::initializer_list<const char*> names, std::string& error);

}  // namespace velko::audio
