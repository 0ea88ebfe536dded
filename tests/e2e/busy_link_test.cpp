// SPDX-License-Identifier: GPL-3.0-or-later
// While a transfer runs, further clicks on Read and Write do nothing: no byte, no message.

#include <gtest/gtest.h>

#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

class TransferInProgress : public RadioEditorTest {};

TEST_F(TransferInProgress, IgnoresClicksOnReadAndWriteUntilItEnds) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));

  ClickButton(ControlId::READ_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Reading);
  ClickButton(ControlId::READ_BUTTON);
  ClickButton(ControlId::WRITE_BUTTON);
  ClickButton(ControlId::READ_BUTTON);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Reading);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), std::vector<std::string>{READ_DONE});
  EXPECT_TRUE(SameBytes(Frames(), ReadRequestBytes()));

  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_EQ(dialog->CurrentLinkState(), LinkState::Writing);
  ClickButton(ControlId::WRITE_BUTTON);
  ClickButton(ControlId::READ_BUTTON);
  ClickButton(ControlId::WRITE_BUTTON);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(dialog->CurrentLinkState(), LinkState::Writing);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, WRITE_DONE}));
  ASSERT_TRUE(WaitForRadioLog("write frame: stored", 3000)) << radio->Log();
  EXPECT_TRUE(SameBytes(Frames(), Joined(ReadRequestBytes(), WriteFrameOf(radioMemory))));
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));
}

}  // namespace
