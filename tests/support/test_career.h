#pragma once
// A game for a test: one seeded random source, the scripted dialogs, a silent music player, the
// career state and services on a game folder, a headless navigator and the Game itself. Tests
// use what they need; a fixture may derive from it to keep the plain member names.

#include <cstdint>

#include "career/career_state.h"
#include "career/game.h"
#include "core/prompter.h"
#include "core/random.h"
#include "data/files/game_folder.h"
#include "support/career_fakes.h"
#include "support/scripted_dialog.h"

namespace velko::testing {

struct TestCareer {
  // The two Owners' fresh records draw from the seeded source first, so a seed gives the same
  // pilot every run.
  TestCareer(uint64_t seed, const GameFolder& folder)
      : rnd(seed), services{folder, rnd, prompter, music} {}
  TestCareer(const TestCareer&) = delete;
  TestCareer& operator=(const TestCareer&) = delete;

  ClockRandom rnd;
  CareerState state{rnd};
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  FakeMusic music;
  CareerServices services;
  HeadlessNavigator nav{state, services};
  Game game{state, services, nav};
};

}  // namespace velko::testing
