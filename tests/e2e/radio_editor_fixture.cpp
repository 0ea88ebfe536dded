// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_editor_fixture.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

void RadioEditorTest::SetUp() {
  ASSERT_FALSE(files.Path().empty()) << "no private directory for the radio's files";
  EditorTest::SetUp();
  setenv("ZENTOR_COM1", LinkPath().c_str(), 1);
  unsetenv("ZENTOR_COM2");
}

void RadioEditorTest::TearDown() {
  EditorTest::TearDown();  // the window goes first and lets go of the device
  StopRadio();
  unsetenv("ZENTOR_COM1");
  unsetenv("ZENTOR_COM2");
}

bool RadioEditorTest::StartRadio(const Bytes &memory, const std::vector<std::string> &options) {
  const std::string memoryPath = files.File("memory.bin");
  if (!WriteWholeFile(memoryPath, memory)) {
    return false;
  }
  std::vector<std::string> arguments = {"--link", LinkPath(), "--memory", memoryPath,
                                        "--frames", FramesPath(), "--save", SavedPath()};
  arguments.insert(arguments.end(), options.begin(), options.end());
  radio = std::make_unique<SimProcess>(arguments);
  return !radio->DevicePath().empty();
}

void RadioEditorTest::StopRadio() {
  if (radio != nullptr) {
    radio->Stop();
    radio.reset();
  }
}

bool RadioEditorTest::WaitForRadioLog(const std::string &text, int limitMs) const {
  return radio != nullptr &&
         QTest::qWaitFor([&] { return radio->Log().find(text) != std::string::npos; }, limitMs);
}

void RadioEditorTest::ShowImage(const Bytes &memory) {
  EditorState &state = dialog->State();
  std::copy(memory.begin(), memory.end(), state.image.bytes.begin());
  state.currentChannel = 0;
  dialog->SelectChannelInList(0);
  LoadWorkingChannel(state);
  dialog->ShowWorkingChannel();
}

Bytes RadioEditorTest::ImageBytes() const {
  const auto &bytes = dialog->State().image.bytes;
  return Bytes(bytes.begin(), bytes.end());
}

Bytes RadioEditorTest::Frames() const { return ReadWholeFile(FramesPath()).value_or(Bytes{}); }

std::vector<std::string> RadioEditorTest::Messages() const {
  std::vector<std::string> texts;
  for (const QString &message : sink.messages) {
    texts.push_back(message.toStdString());
  }
  return texts;
}

void RadioEditorTest::ExpectChannelOnScreen(int channel) const {
  EXPECT_EQ(dialog->State().currentChannel + 1, channel);
  EXPECT_EQ(List(ControlId::CHANNEL_LIST)->currentRow() + 1, channel);
}

bool RadioEditorTest::WaitUntilIdle(int limitMs) {
  // A real event loop, as the program runs: it sleeps only when nothing is pending, so a source
  // of events that never dries up shows here as it would for the user.
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [this, &loop] {
    if (dialog->CurrentLinkState() == LinkState::Idle) {
      loop.quit();
    }
  });
  check.start(10);
  QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
  if (dialog->CurrentLinkState() != LinkState::Idle) {
    loop.exec();
  }
  return dialog->CurrentLinkState() == LinkState::Idle;
}

void RadioEditorTest::KeepRunning(int ms) { QTest::qWait(ms); }
