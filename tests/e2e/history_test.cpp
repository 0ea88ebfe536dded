// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the window's transfers: what a Read found and what a Write sent, each in a file
// of its own, and the Open dialog that leads to them.

#include <gtest/gtest.h>

#include <filesystem>

#include <QFileDialog>
#include <QListView>
#include <QSettings>
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

// From 从文件读入 to the newest read in two clicks: the history's place in the sidebar, then its
// file, shown by the dialog's own filter. Places earlier runs left in Qt's shared settings do not
// pile up there.
TEST_F(WindowHistory, OpenDialogLeadsToTheHistorysFiles) {
  const QUrl place = QUrl::fromLocalFile(QString::fromStdString(history.Folder()));
  const QUrl gone = QUrl::fromLocalFile(QStringLiteral("/nonexistent/earlier/zentor/history"));
  QSettings qtSettings(QSettings::UserScope, QStringLiteral("QtProject"));
  qtSettings.setValue(QStringLiteral("FileDialog/shortcuts"), QStringList{gone.toString()});
  qtSettings.sync();
  ASSERT_TRUE(StartRadio(ValidMemory(0), {"--no-pacing"}));
  ClickButton(ControlId::READ_BUTTON);
  ASSERT_TRUE(WaitUntilIdle());
  ASSERT_EQ(history.Names().size(), 1u);
  const QString readFile = QString::fromStdString(history.Names()[0]);

  QList<QUrl> sidebarUrls;
  bool listed = false;
  ModalResponder user([&](QWidget *modal) {
    auto *open = qobject_cast<QFileDialog *>(modal);
    auto *sidebar = modal->findChild<QListView *>(QStringLiteral("sidebar"));
    auto *fileList = modal->findChild<QListView *>(QStringLiteral("listView"));
    if (open != nullptr && sidebar != nullptr && fileList != nullptr) {
      sidebarUrls = open->sidebarUrls();
      const QModelIndexList named = sidebar->model()->match(sidebar->model()->index(0, 0), Qt::DisplayRole,
                                                            QStringLiteral("历史记录"), 1, Qt::MatchExactly);
      if (!named.isEmpty()) {
        QTest::mouseClick(sidebar->viewport(), Qt::LeftButton, {}, sidebar->visualRect(named[0]).center());
        listed = QTest::qWaitFor([&] {
          const QModelIndexList found = fileList->model()->match(fileList->model()->index(0, 0, fileList->rootIndex()),
                                                              Qt::DisplayRole, readFile, 1, Qt::MatchExactly);
          return !found.isEmpty() && (found[0].flags() & Qt::ItemIsEnabled);
        });
      }
    }
    modal->close();
  });
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_TRUE(user.Responded());
  EXPECT_TRUE(listed) << readFile.toStdString() << " under 历史记录";
  EXPECT_TRUE(sidebarUrls.contains(place));
  EXPECT_FALSE(sidebarUrls.contains(gone));
  EXPECT_GT(sidebarUrls.size(), 1) << "Qt's own places stay";
  qtSettings.sync();
  const QStringList saved = qtSettings.value(QStringLiteral("FileDialog/shortcuts")).toStringList();
  EXPECT_FALSE(saved.contains(place.toString()) || saved.contains(gone.toString())) << saved.join(' ').toStdString();
}

}  // namespace
