#pragma once
// General MIDI numbers the game's music uses: programs counted from 0 as they go on the
// wire, the percussion keys of channel 10, and the controllers.

namespace velko::midi::gm {

inline constexpr int kDrumChannel = 9;  // channel 10 as musicians count

// Programs.
inline constexpr int kAcousticGrandPiano = 0;
inline constexpr int kVibraphone = 11;
inline constexpr int kDistortionGuitar = 30;
inline constexpr int kAcousticBass = 32;
inline constexpr int kPickedBass = 34;
inline constexpr int kSynthBass1 = 38;
inline constexpr int kStringEnsemble1 = 48;
inline constexpr int kTremoloStrings = 44;
inline constexpr int kTimpani = 47;
inline constexpr int kOrchestraHit = 55;
inline constexpr int kSynthBrass1 = 62;
inline constexpr int kTenorSax = 66;
inline constexpr int kSquareLead = 80;
inline constexpr int kSawLead = 81;
inline constexpr int kSweepPad = 95;
inline constexpr int kTaikoDrum = 116;

// Percussion keys.
inline constexpr int kBassDrum2 = 35;
inline constexpr int kBassDrum = 36;
inline constexpr int kSnare = 38;
inline constexpr int kHandClap = 39;
inline constexpr int kElectricSnare = 40;
inline constexpr int kLowFloorTom = 41;
inline constexpr int kClosedHiHat = 42;
inline constexpr int kHighFloorTom = 43;
inline constexpr int kPedalHiHat = 44;
inline constexpr int kLowTom = 45;
inline constexpr int kHighMidTom = 48;
inline constexpr int kCrash = 49;
inline constexpr int kHighTom = 50;
inline constexpr int kRide = 51;
inline constexpr int kHighAgogo = 67;
inline constexpr int kLowAgogo = 68;

// Controllers.
inline constexpr int kVolume = 7;
inline constexpr int kPan = 10;
inline constexpr int kExpression = 11;
inline constexpr int kReverb = 91;

}  // namespace velko::midi::gm
