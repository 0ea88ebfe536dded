// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the hostile-input suite: the editor with a valid channel 1 already stored,
// the four number edits as data, real keystrokes for any character, and the checks that follow
// every hostile entry: the image is left alone (but for the band base), the switch to another
// channel stores what the rules say, and Write's validation judges that and nothing else.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "editor_fixture.h"

// What a number edit is bound to, and the valid value it holds before each case.
struct NumberEdit {
  const char *name;
  int id;
  std::int32_t WorkingChannel::*field;
  std::int32_t prior;      // field value, also in the image before the case
  const char *minimum;     // limits of the range message; nullptr when the edit has no range
  const char *maximum;
  std::size_t imageOffset;  // first byte of the field in the image
  int fieldBytes;           // 3 for a frequency or the band base, 1 for the time limit
};

extern const NumberEdit TX_FREQUENCY;  // 1007
extern const NumberEdit RX_FREQUENCY;  // 1020
extern const NumberEdit TIME_LIMIT;    // 1018
extern const NumberEdit BAND;          // 1036

constexpr std::int64_t KEEP = -(std::int64_t{1} << 40);  // the edit's prior value
constexpr std::int64_t INT_MAX_32 = 2147483647;
constexpr std::int64_t INT_MIN_32 = -INT_MAX_32 - 1;
constexpr std::int64_t FF_FF_FF = 0xFFFFFF;

// What Write shows when channel 1 breaks no rule: validation passed, and the port that
// ZENTOR_COM1 names does not exist.
extern const char *const PASSES;
extern const char *const DISTANCE_RULE;
extern const char *const BAND_RULE;
extern const char *const TIME_LIMIT_RULE;
extern const char *const CHANNEL_1_RX_OUT_OF_BAND;

struct Outcome {
  std::string messages;  // one letter a message, in order: 'N' "请键入一个数。", 'R' the range text
  std::int64_t field;    // the WorkingChannel field afterwards, or KEEP
  std::int64_t stored;   // the field in the image once stored (band: at once), or KEEP
  const char *verdict;   // the one message Write shows
};

// A text that is no number: one message, and the edit's field and image stay as they were.
Outcome NoNumber();
Outcome Took(const char *messages, std::int64_t field, std::int64_t stored, const char *verdict);

// One step of what the user types: characters, one key each as the keyboard sends them ('\n'
// is the Enter key); a key that types nothing; or a text committed by an input method.
struct Stroke {
  enum Kind { CHARACTERS, KEY, COMMIT } kind;
  std::string text;  // UTF-8
  Qt::Key key;
};
Stroke Chars(const std::string &text);
Stroke Key(Qt::Key key);
Stroke Commit(const std::string &text);

// Each character as one key of a real keyboard: ASCII with its key, '\n' as Enter, anything
// else as a key event that carries the character (a full-width or Chinese layout).
void TypeCharacters(QWidget *target, const QString &text);

// The editor with band 430, transmit and receive 438.025 and time limit 5 typed into channel 1
// and stored there, so that channel 1 passes validation and every case starts from it.
class HostileInputTest : public EditorTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The user clicks into the edit, selects its whole text and types `strokes`; every key goes
  // to the control that has the focus then.
  void TypeInto(const NumberEdit &edit, const std::vector<Stroke> &strokes);
  // `strokes` to whichever control has the focus at each step.
  void TypeStrokes(const std::vector<Stroke> &strokes);

  // Messages, field, and image before any store, as `outcome` says.
  void ExpectEntered(const NumberEdit &edit, const Outcome &outcome);
  // The user selects channel 2, then clicks "写入": channel 1's record holds the stored value,
  // and Write shows `outcome.verdict` alone.
  void ExpectStoredAndJudged(const NumberEdit &edit, const Outcome &outcome);

  std::vector<QString> ExpectedMessages(const NumberEdit &edit, const std::string &letters) const;
  std::int64_t ImageField(const NumberEdit &edit) const;

  ChannelImage before;  // the image once the valid channel 1 is stored

 private:
  QByteArray savedPortDevice_;
  bool hadPortDevice_ = false;
};
