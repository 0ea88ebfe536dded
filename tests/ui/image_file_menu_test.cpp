// SPDX-License-Identifier: GPL-3.0-or-later
// Save to and open from an image file, through the system menu and its shortcuts.

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include <fstream>

#include "dialog_texts.h"
#include "editor_fixture.h"
#include "fixed_file_chooser.h"
#include "image_file.h"

namespace {

class ImageFileMenu : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    chooser.path = folder.filePath(QStringLiteral("radio.bin"));
    dialog->SetFileChooser(&chooser);
  }
  void TearDown() override {
    dialog->SetFileChooser(nullptr);
    EditorTest::TearDown();
  }

  ChannelImage SavedImage() const {
    ChannelImage image;
    FileError error;
    EXPECT_TRUE(ReadImageFile(chooser.path.toStdString(), image, error)) << error.text;
    return image;
  }
  std::int32_t SavedTxFrequency(int channel) const {
    EditorState state;
    state.image = SavedImage();
    state.currentChannel = channel;
    LoadWorkingChannel(state);
    return state.working.txFrequency;
  }

  QTemporaryDir folder;
  FixedFileChooser chooser;
};

TEST_F(ImageFileMenu, SaveFromTheSystemMenuHoldsTheEditOnScreen) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  QTest::keyClick(Edit(ControlId::BAND_EDIT), Qt::Key_Space, Qt::AltModifier);
  auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(menu, Qt::Key_S);  // the item's mnemonic; the greyed size item shares it
  EXPECT_EQ(chooser.asked, 1);
  EXPECT_EQ(SavedTxFrequency(0), 4380125);
  EXPECT_EQ(SavedImage().bytes, dialog->State().image.bytes);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ImageFileMenu, OpenDropsLaterEditsAndShowsChannelOneOfTheFile) {
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  QTest::keyClick(dialog.get(), Qt::Key_S, Qt::ControlModifier);
  const ChannelImage saved = SavedImage();

  ClickEntry(ControlId::CHANNEL_LIST, 4);
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("450"));
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(dialog->State().image.bytes, saved.bytes);
  EXPECT_EQ(dialog->State().currentChannel, 0);
  EXPECT_EQ(List(ControlId::CHANNEL_LIST)->GetCurSel(), 0);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ImageFileMenu, OpenOfAFileOfAnotherSizeOrAFifoChangesNothing) {
  std::ofstream(chooser.path.toStdString(), std::ios::binary) << std::string(186, '\x11');
  const QString fifo = folder.filePath(QStringLiteral("fifo.bin"));
  ASSERT_EQ(::mkfifo(fifo.toStdString().c_str(), 0600), 0);  // nobody ever writes into it
  TypeOver(ControlId::TX_FREQUENCY_EDIT, QStringLiteral("438.0125"));
  const EditorState before = dialog->State();
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  chooser.path = fifo;
  QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(sink.messages, (std::vector<QString>{QString::fromUtf8(MSG_OPEN_FILE_WRONG_SIZE),
                                                 QString::fromUtf8(MSG_OPEN_FILE_FAILED)}));
  EXPECT_EQ(dialog->State().image.bytes, before.image.bytes);
  EXPECT_EQ(dialog->State().working, before.working);
  EXPECT_EQ(Edit(ControlId::TX_FREQUENCY_EDIT)->text(), QStringLiteral("438.0125"));
}

}  // namespace
