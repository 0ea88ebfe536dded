// SPDX-License-Identifier: GPL-3.0-or-later
// Any 187 bytes as a radio reply, through the real editor window: every channel is loaded,
// shown, validated and stored, as the user stepping through all sixteen and a write would do.
// The only change the display may make to the image is the squelch repair; everything else,
// the bytes the program never interprets included, must go back to the radio as it came.
// A shorter input is padded with zero bytes (so short inputs still reach every channel), a
// longer one is cut to 187 bytes.

#include <QApplication>
#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "channel_image.h"
#include "channel_rules.h"
#include "code_tables.h"
#include "dialog_template.h"
#include "fuzz_check.h"
#include "message_sink.h"
#include "programmer_dlg.h"
#include "working_channel.h"

namespace {

class CountingMessageSink : public MessageSink {
 public:
  void ShowMessage(const QString &) override { ++count; }
  int count = 0;
};

CProgrammerDlg *dialog = nullptr;
CountingMessageSink *messages = nullptr;

bool IsSquelchLevelByte(std::uint8_t squelch) {
  return std::find(SQUELCH_LEVEL_BYTES.begin(), SQUELCH_LEVEL_BYTES.end(), squelch) !=
         SQUELCH_LEVEL_BYTES.end();
}

template <std::size_t N>
bool IsEntryOf(const std::array<const char *, N> &table, const QByteArray &text) {
  return std::any_of(table.begin(), table.end(),
                     [&text](const char *entry) { return text == QByteArray(entry); });
}

// The code edit of one direction shows nothing while the direction has no code, and otherwise
// nothing or an entry of its code type's table: never a text from outside the tables.
void CheckCodeEdit(int editId, std::uint8_t flags, std::uint8_t codedBit, std::uint8_t ctcssBit) {
  const auto *edit = qobject_cast<const QLineEdit *>(dialog->Control(editId));
  FuzzCheck(edit != nullptr, "the code edit exists");
  const QByteArray text = edit->text().toUtf8();
  if (text.isEmpty()) {
    return;
  }
  FuzzCheck((flags & codedBit) != 0, "no code text while the direction is not coded");
  if ((flags & ctcssBit) != 0) {
    FuzzCheck(IsEntryOf(CTCSS_TONES, text), "a CTCSS code edit shows a tone of the table");
  } else {
    FuzzCheck(IsEntryOf(DCS_CODE_LIST, text), "a DCS code edit shows a code of the table");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_channel_image";
  static char *argv[] = {name, nullptr};
  // Never destroyed: the process ends inside libFuzzer.
  new QApplication(argc, argv);
  dialog = new CProgrammerDlg();
  messages = new CountingMessageSink();
  dialog->SetMessageSink(messages);
  dialog->Create();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  std::array<std::uint8_t, IMAGE_SIZE> reply{};
  std::memcpy(reply.data(), data, std::min(size, IMAGE_SIZE));

  EditorState &state = dialog->State();
  ReplaceImage(state.image, reply.data());
  for (std::int32_t channel = 0; channel < static_cast<std::int32_t>(CHANNEL_COUNT); ++channel) {
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    dialog->ShowWorkingChannel();
    const std::uint8_t flags = state.working.flags;
    CheckCodeEdit(ControlId::SELECTED_TX_CODE_EDIT, flags, FLAG_TX_CODED, FLAG_TX_CTCSS);
    CheckCodeEdit(ControlId::SELECTED_RX_CODE_EDIT, flags, FLAG_RX_CODED, FLAG_RX_CTCSS);

    const int shownBefore = messages->count;
    const bool valid = ValidateWorkingChannel(state, *dialog);
    FuzzCheck(messages->count - shownBefore == (valid ? 0 : 1),
              "validation shows one message exactly when the channel fails");
    StoreWorkingChannel(state);
  }

  std::array<std::uint8_t, IMAGE_SIZE> expected = reply;
  for (std::size_t channel = 0; channel < CHANNEL_COUNT; ++channel) {
    std::uint8_t &squelch = expected[channel * RECORD_SIZE + RecordOffset::SQUELCH];
    if (!IsSquelchLevelByte(squelch)) {
      squelch = DEFAULT_SQUELCH;
    }
  }
  FuzzCheck(state.image.bytes == expected, "only the squelch repair changes the image");

  // Whatever the widgets posted while being refilled is handled now, not piled up across runs.
  QCoreApplication::processEvents();
  return 0;
}
