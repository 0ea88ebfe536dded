// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the window's transfers: what a Read found and what a Write sent, each in a file
// of its own, and the Open dialog that leads to them.

#include <gtest/gtest.h>

#include <filesystem>

#include <QFileDialog>
#include <QTest>
#include <QUrl>

#include "modal_responder.h"
#include "radio_editor_fixture.h"
#include "scratch_history.h"
#include "transfer_expectations.h"

namespace {

class WindowHistory : public RadioEditorTest {
 protected:
  ScratchHistory history;  // before the window exists, which learns the folder at its start
};

bool EndsWith(const std::string &text, const std::string &end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(WindowHistory, ReadAndWriteKeepTheRadioMemoryAndTheFrame) {
  const Bytes radioMemory = ValidMemory(0);
  ASSERT_TRUE(StartRadio(radioMemory, {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ClickEntry(ControlId::CHANNEL_LIST, 3);
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("440.5"));
  ClickEntry(ControlId::CHANNEL_LIST, 5);
  const Bytes edited = ImageBytes();
  ASSERT_FALSE(SameBytes(edited, radioMemory));
  ClickButton(ControlId::WRITE_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  EXPECT_EQ(Messages(), (std::vector<std::string>{READ_DONE, WRITE_DONE}));

  const std::vector<std::string> names = history.Names();
  ASSERT_EQ(names.size(), 2u);
  // The simulated radio's link leads to a pseudo-terminal, whose name the files carry.
  const std::string device = std::filesystem::canonical(LinkPath()).filename().string();
  EXPECT_TRUE(EndsWith(names[0], "-read-" + device + ".img")) << names[0];
  EXPECT_TRUE(EndsWith(names[1], "-write-" + device + ".img")) << names[1];
  EXPECT_TRUE(SameBytes(ReadWholeFile(history.File(names[0])).value_or(Bytes{}), radioMemory));
  EXPECT_TRUE(SameBytes(ReadWholeFile(history.File(names[1])).value_or(Bytes{}), edited));
}

TEST_F(WindowHistory, OpenDialogListsTheHistoryFolder) {
  QList<QUrl> sidebar;
  ModalResponder user([&](QWidget *modal) {
    if (auto *open = qobject_cast<QFileDialog *>(modal)) sidebar = open->sidebarUrls();
    modal->close();
  });
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(user.Responded());
  EXPECT_TRUE(sidebar.contains(QUrl::fromLocalFile(QString::fromStdString(history.Folder()))));
  EXPECT_GT(sidebar.size(), 1) << "Qt's own places stay";
}

}  // namespace
