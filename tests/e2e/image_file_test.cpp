// SPDX-License-Identifier: GPL-3.0-or-later
// A backup of the radio in a file: read, save, edit, open the file again, write it back.

#include <gtest/gtest.h>

#include <QTest>

#include "fixed_file_chooser.h"
#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class ImageFileRoundTrip : public RadioEditorTest {};

TEST_F(ImageFileRoundTrip, TheRadioGetsBackWhatWasSavedBeforeTheEdit) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  FixedFileChooser chooser;
  chooser.path = QString::fromStdString(files.File("backup.bin"));
  dialog->SetFileChooser(&chooser);

  ClickButton(ControlId::READ_BUTTON);
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(chooser.asked, 0) << "no file is opened while a transfer runs";
  ASSERT_TRUE(WaitUntilIdle());
  QTest::keyClick(dialog.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(SameBytes(ReadWholeFile(files.File("backup.bin")).value_or(Bytes{}), radioMemory));

  ClickEntry(ControlId::CHANNEL_LIST, 3);
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("440.5"));
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  ExpectChannelOnScreen(1);
  ASSERT_TRUE(SameBytes(ImageBytes(), radioMemory));

  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_TRUE(WaitForRadioLog("write frame: stored", 3000)) << radio->Log();
  EXPECT_TRUE(SameBytes(ReadWholeFile(SavedPath()).value_or(Bytes{}), radioMemory));
  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, WRITE_DONE}));
  dialog->SetFileChooser(nullptr);
}

}  // namespace
