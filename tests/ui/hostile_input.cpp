// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile_input.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include "radio_transfers.h"

const NumberEdit TX_FREQUENCY{"TxFrequency", ControlId::TX_FREQUENCY_EDIT,
                              &WorkingChannel::txFrequency, 4380250, nullptr, nullptr,
                              RecordOffset::TX_FREQUENCY, 3};
const NumberEdit RX_FREQUENCY{"RxFrequency", ControlId::RX_FREQUENCY_EDIT,
                              &WorkingChannel::rxFrequency, 4380250, "0", "10000000",
                              RecordOffset::RX_FREQUENCY, 3};
const NumberEdit TIME_LIMIT{"TimeLimit", ControlId::TOT_EDIT, &WorkingChannel::tot, 50, "0", "100",
                            RecordOffset::TOT, 1};
const NumberEdit BAND{"Band", ControlId::BAND_EDIT, &WorkingChannel::band, 4300000, "0", "1000",
                      SETTINGS_RECORD * RECORD_SIZE, 3};

const char *const PASSES = "建立通信文件失败";
const char *const DISTANCE_RULE = "接收频率与发射频率的差值必须小于等于10Mhz";
const char *const BAND_RULE = "频段值必须在350Mhz－450Mhz内，以10Mhz递增";
const char *const TIME_LIMIT_RULE = "发射限时必须大于等于0.1，小于等于10";
const char *const CHANNEL_1_RX_OUT_OF_BAND = "1频道接收频率值超出频段范围";

namespace {

const char *const PORT_VARIABLE = "ZENTOR_COM1";

std::int64_t ReadField(const ChannelImage &image, std::size_t offset, int bytes) {
  std::int64_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value = value * 256 + image.bytes[offset + static_cast<std::size_t>(i)];
  }
  return value;
}

void PutField(ChannelImage &image, std::size_t offset, int bytes, std::int64_t value) {
  for (int i = bytes - 1; i >= 0; --i) {
    image.bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value & 0xFF);
    value >>= 8;
  }
}

void SendKeyWithText(QWidget *target, const QString &text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

}  // namespace

Outcome NoNumber() { return Outcome{"N", KEEP, KEEP, PASSES}; }

Outcome Took(const char *messages, std::int64_t field, std::int64_t stored, const char *verdict) {
  return Outcome{messages, field, stored, verdict};
}

Stroke Chars(const std::string &text) { return Stroke{Stroke::CHARACTERS, text, Qt::Key_unknown}; }
Stroke Key(Qt::Key key) { return Stroke{Stroke::KEY, std::string(), key}; }
Stroke Commit(const std::string &text) { return Stroke{Stroke::COMMIT, text, Qt::Key_unknown}; }

void TypeCharacters(QWidget *target, const QString &text) {
  for (const QChar c : text) {
    if (c == QLatin1Char('\n')) {
      QTest::keyClick(target, Qt::Key_Return);
    } else if (c.unicode() < 0x80) {
      QTest::keyClick(target, c.toLatin1());
    } else {
      SendKeyWithText(target, QString(c));  // a full-width or Chinese character from the layout
    }
  }
}

void HostileInputTest::SetUp() {
  EditorTest::SetUp();
  if (HasFatalFailure()) {
    return;
  }
  hadPortDevice_ = qEnvironmentVariableIsSet(PORT_VARIABLE);
  savedPortDevice_ = qgetenv(PORT_VARIABLE);
  qputenv(PORT_VARIABLE, "/nonexistent/zentor-hostile-input/ttyS0");

  PasteOver(ControlId::BAND_EDIT, QStringLiteral("430"));
  PasteOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.025"));
  PasteOver(ControlId::RX_FREQUENCY_EDIT, QStringLiteral("438.025"));
  ClickEntry(ControlId::CHANNEL_LIST, 1);
  ClickEntry(ControlId::CHANNEL_LIST, 0);
  ASSERT_TRUE(sink.messages.empty());
  for (const NumberEdit *edit : {&TX_FREQUENCY, &RX_FREQUENCY, &TIME_LIMIT, &BAND}) {
    ASSERT_EQ(dialog->State().working.*edit->field, edit->prior) << edit->name;
    ASSERT_EQ(ImageField(*edit), edit->prior) << edit->name;
  }
  before = dialog->State().image;
}

void HostileInputTest::TearDown() {
  if (hadPortDevice_) {
    qputenv(PORT_VARIABLE, savedPortDevice_);
  } else {
    qunsetenv(PORT_VARIABLE);
  }
  EditorTest::TearDown();
}

void HostileInputTest::TypeStrokes(const std::vector<Stroke> &strokes) {
  for (const Stroke &stroke : strokes) {
    QWidget *focused = FocusedControl();
    ASSERT_NE(focused, nullptr);
    switch (stroke.kind) {
      case Stroke::CHARACTERS:
        for (const QChar c : QString::fromStdString(stroke.text)) {
          TypeCharacters(FocusedControl(), QString(c));  // the focus may move after a message
        }
        break;
      case Stroke::KEY:
        QTest::keyClick(focused, stroke.key);
        break;
      case Stroke::COMMIT: {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromStdString(stroke.text));
        QApplication::sendEvent(focused, &commit);
        break;
      }
    }
  }
}

void HostileInputTest::TypeInto(const NumberEdit &edit, const std::vector<Stroke> &strokes) {
  QTest::mouseClick(Edit(edit.id), Qt::LeftButton);
  ASSERT_EQ(FocusedControl(), Edit(edit.id));
  QTest::keyClick(Edit(edit.id), Qt::Key_A, Qt::ControlModifier);
  TypeStrokes(strokes);
}

std::vector<QString> HostileInputTest::ExpectedMessages(const NumberEdit &edit,
                                                        const std::string &letters) const {
  std::vector<QString> messages;
  for (const char letter : letters) {
    if (letter == 'N') {
      messages.push_back(QString::fromUtf8("请键入一个数。"));
    } else {
      EXPECT_NE(edit.minimum, nullptr) << edit.name << " has no range to report";
      messages.push_back(QString::fromUtf8("“请填入一个在%1和%2之间的数字。”")
                             .arg(QString::fromUtf8(edit.minimum), QString::fromUtf8(edit.maximum)));
    }
  }
  return messages;
}

std::int64_t HostileInputTest::ImageField(const NumberEdit &edit) const {
  return ReadField(dialog->State().image, edit.imageOffset, edit.fieldBytes);
}

void HostileInputTest::ExpectEntered(const NumberEdit &edit, const Outcome &outcome) {
  EXPECT_EQ(sink.messages, ExpectedMessages(edit, outcome.messages));
  EXPECT_EQ(dialog->State().working.*edit.field, outcome.field == KEEP ? edit.prior : outcome.field);
  // Only the band edit writes the image, and only the band base; the others wait for a store.
  ChannelImage expected = before;
  if (&edit == &BAND) {
    PutField(expected, edit.imageOffset, edit.fieldBytes,
             outcome.stored == KEEP ? edit.prior : outcome.stored);
  }
  EXPECT_EQ(dialog->State().image.bytes, expected.bytes);
}

void HostileInputTest::ExpectStoredAndJudged(const NumberEdit &edit, const Outcome &outcome) {
  const std::int64_t stored = outcome.stored == KEEP ? edit.prior : outcome.stored;
  sink.messages.clear();
  ClickEntry(ControlId::CHANNEL_LIST, 1);
  ASSERT_EQ(dialog->State().currentChannel, 1);
  EXPECT_TRUE(sink.messages.empty()) << "a channel switch shows nothing";
  ChannelImage expected = before;
  PutField(expected, edit.imageOffset, edit.fieldBytes, stored);
  EXPECT_EQ(dialog->State().image.bytes, expected.bytes) << "channel 1 as stored";

  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], QString::fromUtf8(outcome.verdict));
  EXPECT_EQ(dialog->State().image.bytes, expected.bytes) << "validation moves no byte";
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Idle);
  const bool refused = std::string(outcome.verdict) != PASSES;
  EXPECT_EQ(dialog->State().currentChannel, refused ? 0 : 1);
  EXPECT_EQ(List(ControlId::CHANNEL_LIST)->GetCurSel(), refused ? 0 : 1);
  if (refused) {  // channel 1 is back on screen, loaded as stored, never as another value
    EXPECT_EQ(dialog->State().working.*edit.field, stored);
  }
}
