// SPDX-License-Identifier: GPL-3.0-or-later
// The transfers' messages in the real modal box, dismissed the way a user does it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "modal_responder.h"
#include "radio_editor_fixture.h"
#include "transfer_expectations.h"

namespace {

// What the user saw in the box, and the state of the link while it was up.
struct BoxSeen {
  std::string text;
  std::string caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool portOpen = false;
  LinkState linkState = LinkState::Idle;
};

class ModalMessages : public RadioEditorTest {
 protected:
  // Clicks `buttonId`, answers the box that comes up by clicking its OK button, and waits until
  // the transfer has ended.
  BoxSeen ClickAndConfirm(int buttonId) {
    BoxSeen seen;
    ModalResponder user([this, &seen](QWidget *modal) {
      auto *box = qobject_cast<QMessageBox *>(modal);
      if (box == nullptr) {
        modal->close();
        return;
      }
      seen.text = box->text().toStdString();
      seen.caption = box->windowTitle().toStdString();
      seen.icon = box->icon();
      seen.portOpen = dialog->Port().portHandle.isOpen();
      seen.linkState = dialog->CurrentLinkState();
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    ClickButton(buttonId);
    EXPECT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(user.Responded());
    return seen;
  }
};

TEST_F(ModalMessages, ReadAndWriteEndInABoxTheUserConfirms) {
  dialog->SetMessageSink(nullptr);
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  const std::string caption = QCoreApplication::applicationName().toStdString();

  const BoxSeen read = ClickAndConfirm(ControlId::READ_BUTTON);
  EXPECT_EQ(read.text, READ_DONE);
  EXPECT_EQ(read.caption, caption);
  EXPECT_EQ(read.icon, QMessageBox::Warning);
  EXPECT_FALSE(read.portOpen) << "a read lets go of the port before it speaks";
  EXPECT_EQ(read.linkState, LinkState::Reading);
  EXPECT_TRUE(SameBytes(ImageBytes(), radioMemory));

  const BoxSeen write = ClickAndConfirm(ControlId::WRITE_BUTTON);
  EXPECT_EQ(write.text, WRITE_DONE);
  EXPECT_TRUE(write.portOpen) << "a write keeps the port while its message is up";
  EXPECT_EQ(write.linkState, LinkState::Writing);
  EXPECT_FALSE(dialog->Port().portHandle.isOpen());
  ExpectChannelOnScreen(1);
  ASSERT_TRUE(WaitForRadioLog("write frame: stored", 3000)) << radio->Log();
  EXPECT_TRUE(SameBytes(Frames(), Joined(ReadRequestBytes(), WriteFrameOf(radioMemory))));
  EXPECT_TRUE(sink.messages.empty()) << "the recorder was out of use";
}

}  // namespace
