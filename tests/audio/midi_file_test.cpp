// MIDI files as the build writes them and the player reads them back: times through tempo
// changes, the order of events at one instant, notes let go at the end, running status, and
// damaged files refused without a crash. Also the note-and-duration text the tracks are
// written in.

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "audio/midi_file.h"
#include "music/midi_phrase.h"
#include "music/midi_score.h"
#include "support/qt_test_main.h"

using namespace velko::audio;
using namespace velko::midi;

namespace {

// Note-ons (status, key, ms) of a song, in order.
struct On {
  int channel;
  int key;
  double ms;
  bool operator==(const On& other) const {
    return channel == other.channel && key == other.key && std::abs(ms - other.ms) < 1e-6;
  }
};

std::vector<On> noteOns(const MidiSong& song) {
  std::vector<On> ons;
  for (const MidiMessage& m : song.messages)
    if ((m.status & 0xF0) == 0x90 && m.data2 > 0) ons.push_back({m.status & 0x0F, m.data1, m.ms});
  return ons;
}

}  // namespace

class MidiFileTest : public QObject {
  Q_OBJECT

 private slots:
  void writtenScoreReadsBackInMilliseconds() {
    Score score(120, 4);
    score.tempo(2 * 4 * kQuarter, 60);  // half speed from the third bar
    score.setLength(3 * 4 * kQuarter);
    Track& lead = score.track("Lead", 2);
    lead.program(0, 80);
    lead.note(0, kQuarter, 60, 100);
    lead.note(4 * kQuarter, kQuarter, 62, 100);
    lead.note(8 * kQuarter, kQuarter, 64, 100);
    lead.note(9 * kQuarter, 4 * kQuarter, 65, 100);  // held past the end

    const std::optional<MidiSong> song = readMidiSong(score.smf());
    QVERIFY(song);
    QCOMPARE(song->lengthMs, 4000.0 + 4 * 1000.0);
    const std::vector<On> expected = {{2, 60, 0}, {2, 62, 2000}, {2, 64, 4000}, {2, 65, 5000}};
    QVERIFY(noteOns(*song) == expected);
    QCOMPARE(song->messages.front().status, uint8_t(0xC2));  // the program before any note
    // The held note is let go at the end, so nothing hangs over a loop.
    const MidiMessage& last = song->messages.back();
    QCOMPARE(last.status, uint8_t(0x82));
    QCOMPARE(last.data1, uint8_t(65));
    QCOMPARE(last.ms, 8000.0);
  }

  void aRepeatedNoteIsLetGoBeforeItSoundsAgain() {
    Score score(120, 4);
    score.setLength(4 * kQuarter);
    Track& bass = score.track("Bass", 0);
    bass.note(0, kQuarter, 40, 90);
    bass.note(kQuarter, kQuarter, 40, 90);
    const std::optional<MidiSong> song = readMidiSong(score.smf());
    QVERIFY(song);
    QCOMPARE(song->messages.size(), size_t(4));
    QCOMPARE(song->messages[1].status, uint8_t(0x80));
    QCOMPARE(song->messages[2].status, uint8_t(0x90));
    QCOMPARE(song->messages[1].ms, song->messages[2].ms);
  }

  void runningStatusAndOtherChunksAreRead() {
    const std::vector<uint8_t> bytes = {
        'M', 'T',  'h',  'd',  0, 0, 0, 6,  0, 0,    0,  1,   0,  96,  // format 0, 96 a quarter
        'X', 'y',  'z',  'w',  0, 0, 0, 2,  1, 2,                      // a chunk to skip
        'M', 'T',  'r',  'k',  0, 0, 0, 15, 0, 0x91, 60, 100, 48, 62, 100,  // running status
        0,   0xF0, 1,    0xF7,                                              // a sysex
        48,  0xFF, 0x2F, 0,                                                 // end at tick 96
    };
    const std::optional<MidiSong> song = readMidiSong(bytes);
    QVERIFY(song);
    QCOMPARE(song->lengthMs, 500.0);
    const std::vector<On> expected = {{1, 60, 0}, {1, 62, 250}};
    QVERIFY(noteOns(*song) == expected);
  }

  void aZeroTempoIsIgnoredAndLongTracksKeepTheirLength() {
    std::vector<uint8_t> track = {0, 0xFF, 0x51, 3, 0, 0, 0};  // a tempo of 0
    // Seventeen of the longest delta times: more ticks than 32 bits hold.
    for (int i = 0; i < 17; ++i)
      track.insert(track.end(), {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0});
    track.insert(track.end(), {0, 0x90, 60, 100, 0, 0xFF, 0x2F, 0});
    const uint8_t size = uint8_t(track.size());
    std::vector<uint8_t> bytes = {'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
                                  1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0, size};
    for (uint8_t b : track)
      bytes.push_back(b);
    const std::optional<MidiSong> song = readMidiSong(bytes);
    QVERIFY(song);
    QCOMPARE(song->messages.size(), size_t(1));
    QCOMPARE(song->messages[0].status, uint8_t(0x90));
    const double noteMs = 17.0 * 0x0FFFFFFF * 500.0 / 96;  // still at 120 a minute
    QCOMPARE(song->messages[0].ms, noteMs);
    QCOMPARE(song->lengthMs, noteMs);
  }

  void damagedFilesAreRefused() {
    Score score(100, 4);
    score.setLength(4 * kQuarter);
    score.track("Lead", 0).note(0, kQuarter, 60, 100);
    const std::vector<uint8_t> whole = score.smf();
    QVERIFY(readMidiSong(whole));
    for (size_t size = 0; size < whole.size(); ++size) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);
      QVERIFY2(!readMidiSong(cut), qPrintable(QString("cut at %1").arg(size)));
    }
    QVERIFY(!readMidiSong({'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}));
    std::vector<uint8_t> smpte = whole;
    smpte[12] = 0xE7;  // SMPTE time: not played
    QVERIFY(!readMidiSong(smpte));
  }

  void phraseNotation() {
    QCOMPARE(noteNumber("C4"), 60);
    QCOMPARE(noteNumber("Bb3"), 58);
    QCOMPARE(noteNumber("F#5"), 78);
    QCOMPARE(noteNumber("A0"), 21);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, noteNumber("H2"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, durationTicks("x"));
    QCOMPARE(durationTicks("q."), kQuarter * 3 / 2);

    Score score(120, 4);
    score.setLength(8 * kQuarter);
    Track& straight = score.track("Straight", 0);
    Track& swung = score.track("Swung", 1);
    const char* line = "D5:q. A4:e r:q D4+F4+A4:q";
    QCOMPARE(phrase(straight, 0, line, {.velocity = 90, .legato = 1}), 4 * kQuarter);
    phrase(swung, 0, "C5:e D5:e E5:q", {.velocity = 90, .legato = 1, .swing = true});
    const std::optional<MidiSong> song = readMidiSong(score.smf());
    QVERIFY(song);
    // By time: the straight line on channel 0, the swung one on channel 1.
    const std::vector<On> expected = {{0, 74, 0},    {1, 72, 0},   {1, 74, 1000.0 / 3},
                                      {1, 76, 500},  {0, 69, 750}, {0, 62, 1500},
                                      {0, 65, 1500}, {0, 69, 1500}};
    std::vector<On> ons = noteOns(*song);
    std::stable_sort(ons.begin(), ons.end(), [](const On& a, const On& b) { return a.ms < b.ms; });
    QVERIFY(ons == expected);
  }
};

VELKO_QTEST(MidiFileTest);
#include "midi_file_test.moc"
