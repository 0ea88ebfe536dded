// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_values.h"

#include <cmath>
#include <sstream>

#include "channel_image.h"
#include "dialog_number.h"
#include "scaled_value.h"

namespace {

struct Field {
  double factor;
  std::size_t offset;  // in the channel's record; the band's in the settings record
  std::uint32_t top;
};

Field FieldOf(Edit edit) {
  switch (edit) {
    case Edit::TX_FREQUENCY:
      return {FREQUENCY_FACTOR, RecordOffset::TX_FREQUENCY, FIELD24_MAX};
    case Edit::RX_FREQUENCY:
      return {FREQUENCY_FACTOR, RecordOffset::RX_FREQUENCY, FIELD24_MAX};
    case Edit::TOT:
      return {TOT_FACTOR, RecordOffset::TOT, 0xFF};
    default:
      return {FREQUENCY_FACTOR, SettingsOffset::BAND_BASE, FIELD24_MAX};
  }
}

std::uint32_t FieldIn(const std::uint8_t *record, const Field &field) {
  return field.top == 0xFF ? record[field.offset] : ReadField24(record + field.offset);
}

// The value a text stands for in the field's units, or nothing when it is no number.
std::optional<double> ValueOf(const std::string &text, const Field &field) {
  double number = 0.0;
  if (!ParseDialogNumber(text, number)) {
    return std::nullopt;
  }
  return std::trunc(number * field.factor);
}

void CheckOne(std::ostream &out, const std::string &where, const std::string &text, const Field &field,
              const std::uint8_t *record) {
  const std::optional<double> value = ValueOf(text, field);
  if (!value) {
    return;
  }
  const std::uint32_t sent = FieldIn(record, field);
  if (*value < 0 || *value > field.top) {
    out << "  " << where << ": '" << text << "' was typed, which the field cannot hold, yet the frame left with "
        << sent << "\n";
  } else if (sent != static_cast<std::uint32_t>(*value)) {
    out << "  " << where << ": '" << text << "' was typed, the frame holds " << sent << " where it is "
        << static_cast<std::uint32_t>(*value) << "\n";
  }
}

}  // namespace

std::string TypedValues::Check(const std::vector<std::uint8_t> &frame) const {
  if (frame.size() < IMAGE_SIZE) {
    return {};
  }
  std::ostringstream out;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    for (std::size_t i = 0; i < NUMBER_EDITS.size(); ++i) {
      if (typed_[channel][i]) {
        CheckOne(out, std::string(EditName(NUMBER_EDITS[i])) + " of channel " + std::to_string(channel + 1),
                 *typed_[channel][i], FieldOf(NUMBER_EDITS[i]), frame.data() + channel * RECORD_SIZE);
      }
    }
  }
  if (band_) {
    CheckOne(out, EditName(Edit::BAND), *band_, FieldOf(Edit::BAND), frame.data() + SETTINGS_RECORD * RECORD_SIZE);
  }
  return out.str();
}

void TypedValues::Follow(const Action &action, const Screen &before, const Screen &after) {
  const bool typing =
      action.kind == ActionKind::TYPE || action.kind == ActionKind::PASTE || action.kind == ActionKind::ERASE;
  // A new image, a cleared one, or typing mixed with a transfer or a held press: what the user
  // typed before is no longer what the window holds, or no longer known to be.
  const bool unknown = action.kind == ActionKind::READ || action.kind == ActionKind::OPEN ||
                       (action.kind == ActionKind::BUTTON && action.pushButton == Button::CLEAR) ||
                       (action.kind == ActionKind::HOLD && !action.text.empty()) || action.holding ||
                       !action.during.empty();
  if (unknown) {
    *this = TypedValues();
    return;
  }
  for (std::size_t i = 0; i < NUMBER_EDITS.size(); ++i) {
    if (after.texts[i] == before.texts[i]) {
      continue;
    }
    std::optional<std::string> &known = NUMBER_EDITS[i] == Edit::BAND
                                            ? band_
                                            : typed_[static_cast<std::size_t>(after.channel)][i];
    if (typing) {
      known = after.texts[i];
    } else if (after.channel == before.channel || NUMBER_EDITS[i] == Edit::BAND) {
      known.reset();  // the window wrote the edit: a copy between the sides, a refresh
    }
  }
}
