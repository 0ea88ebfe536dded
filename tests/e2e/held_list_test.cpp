// SPDX-License-Identifier: GPL-3.0-or-later
// A list whose left button is still held when the focus leaves it: the gesture ends there, so
// the entry the list highlights is the one the radio gets.

#include <gtest/gtest.h>

#include <QTest>

#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class HeldList : public RadioEditorTest {};

TEST_F(HeldList, TabFromAHeldChannelListTypesIntoTheChannelItHighlights) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ShowImage(radioMemory);
  ListBox *channels = List(ControlId::CHANNEL_LIST);
  const QPoint onChannel5 = channels->visualItemRect(channels->item(4)).center();
  QTest::mousePress(channels->viewport(), Qt::LeftButton, Qt::NoModifier, onChannel5);
  ASSERT_EQ(FocusedControl(), channels);
  QTest::keyClick(channels, Qt::Key_Tab);
  ASSERT_EQ(FocusedControl(), Edit(ControlId::TX_FREQUENCY_EDIT));
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("440"));
  QTest::mouseRelease(channels->viewport(), Qt::LeftButton, Qt::NoModifier, onChannel5);
  ExpectChannelOnScreen(5);

  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{WRITE_DONE});
  Bytes expected = radioMemory;
  PutField24(expected, ChannelByte(5, TX_FREQUENCY_BYTE), 4400000);
  ASSERT_TRUE(WaitForRadioLog("write frame: stored", 3000)) << radio->Log();
  EXPECT_TRUE(SameBytes(Frames(), WriteFrameOf(expected)));
}

}  // namespace
