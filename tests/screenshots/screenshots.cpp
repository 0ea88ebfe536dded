// SPDX-License-Identifier: GPL-3.0-or-later
// zentor_screenshots FOLDER: the pictures of the window in the documentation, taken from the real
// editor window on the offscreen platform with COM1 on the simulated radio and its sample memory,
// driven with the mouse and keyboard as a user drives it. Run it through tools/screenshots.sh.
// Offscreen windows have no frames, so a message box is painted onto the window's picture where
// it stands over the window, with a thin border to set it apart.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "dialog_template.h"
#include "list_box.h"
#include "modal_responder.h"
#include "programmer_dlg.h"
#include "qt_translation.h"
#include "sim_process.h"

namespace {

constexpr int TRANSFER_LIMIT_MS = 10000;
constexpr int SHOWN_CHANNEL_ROW = 2;  // channel 3: narrow, DCS both ways in the sample
// Below the sample's 400 MHz band window, yet within 10 MHz of the channel's transmit frequency
// and on its 12.5 kHz raster, so the band rule is the one that refuses it.
const char *const REFUSED_RX_FREQUENCY = "398";
const char *const READ_DONE_TEXT = "数据已从对讲机中读出";
const char *const REFUSAL_TEXT = "3频道接收频率值超出频段范围";

// Thrown outside Qt's event handlers only, so that the simulated radio is stopped on the way out.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string &why) { throw Failure(why); }

// The documentation's pictures are flat greys with some antialiased text: the best compression
// keeps each one well under 100 KB without losing a pixel.
bool Save(const QImage &picture, const QString &path) { return picture.save(path, "PNG", 0); }

void SaveOrFail(const QImage &picture, const QString &path) {
  if (!Save(picture, path)) {
    Fail("cannot write " + path.toStdString());
  }
}

QImage Picture(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The window's picture with the box over it at the box's place relative to the window, or in its
// middle where the offscreen placement does not put the box inside the window.
QImage WithBoxOnTop(QWidget *window, QWidget *box) {
  QImage picture = Picture(window);
  const QImage boxPicture = Picture(box);
  QRect placed(box->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0)), box->size());
  if (!picture.rect().adjusted(1, 1, -1, -1).contains(placed)) {
    placed.moveCenter(picture.rect().center());
  }
  QPainter painter(&picture);
  painter.drawImage(placed.topLeft(), boxPicture);
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.drawRect(placed.adjusted(-1, -1, 0, 0));
  return picture;
}

class Session {
 public:
  Session(const QString &folder, const std::string &radioLink) : folder_(folder) {
    setenv("ZENTOR_COM1", radioLink.c_str(), 1);
    unsetenv("ZENTOR_COM2");
    dialog_ = std::make_unique<CProgrammerDlg>();
    dialog_->Create();
    dialog_->show();
    dialog_->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog_.get())) {
      Fail("the window did not become active");
    }
  }

  void Run() {
    SaveOrFail(Picture(dialog_.get()), File("window-start.png"));

    ClickAndPictureTheBox(ControlId::READ_BUTTON, READ_DONE_TEXT, "message-read-done.png");
    if (!WaitUntilIdle()) {
      Fail("the read did not end");
    }
    ClickEntry(ControlId::CHANNEL_LIST, SHOWN_CHANNEL_ROW);
    SaveOrFail(Picture(dialog_.get()), File("window-after-read.png"));

    auto *rxEdit = qobject_cast<QLineEdit *>(dialog_->Control(ControlId::RX_FREQUENCY_EDIT));
    QTest::keyClick(rxEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(rxEdit, QString::fromUtf8(REFUSED_RX_FREQUENCY));
    ClickAndPictureTheBox(ControlId::WRITE_BUTTON, REFUSAL_TEXT, "message-write-refused.png");
    if (dialog_->CurrentLinkState() != LinkState::Idle) {
      Fail("the write was not refused");
    }
  }

  // The window goes before the radio, as it lets go of the device.
  void Close() { dialog_.reset(); }

 private:
  QString File(const char *name) const { return QDir(folder_).filePath(QString::fromUtf8(name)); }

  // Clicks the button; the box that comes up is pictured over the window, from inside its modal
  // loop, and confirmed with its OK button as a user does. Any other text is a failure: the
  // picture would not show what its name says.
  void ClickAndPictureTheBox(int buttonId, const char *expectedText, const char *fileName) {
    std::string seen;
    bool saved = false;
    ModalResponder user([&](QWidget *modal) {
      auto *box = qobject_cast<QMessageBox *>(modal);
      if (box == nullptr) {
        modal->close();
        return;
      }
      seen = box->text().toStdString();
      if (seen == expectedText) {
        saved = Save(WithBoxOnTop(dialog_.get(), box), File(fileName));
      }
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(qobject_cast<QPushButton *>(dialog_->Control(buttonId)), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return user.Responded(); }, TRANSFER_LIMIT_MS)) {
      Fail(std::string("no message came up for ") + fileName);
    }
    if (seen != expectedText) {
      Fail("the message for " + std::string(fileName) + " was \"" + seen + "\"");
    }
    if (!saved) {
      Fail(std::string("cannot write ") + fileName);
    }
  }

  bool WaitUntilIdle() {
    return QTest::qWaitFor([this] { return dialog_->CurrentLinkState() == LinkState::Idle; },
                           TRANSFER_LIMIT_MS);
  }

  void ClickEntry(int listId, int row) {
    auto *list = qobject_cast<ListBox *>(dialog_->Control(listId));
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
    if (list->currentRow() != row) {
      Fail("the channel list did not take the click");
    }
  }

  QString folder_;
  std::unique_ptr<CProgrammerDlg> dialog_;
};

// The window and the radio live only here, so that a failure thrown out of it ends both.
int TakePictures(int argc, char **argv) {
  QApplication application(argc, argv);
  // As in the program itself: the caption of the boxes, and Qt's own texts (the OK button) in
  // Chinese.
  QApplication::setApplicationName(QStringLiteral("zentor"));
  InstallQtTranslation(application);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    Fail("cannot create " + folder.toStdString());
  }

  TempDir files;
  if (files.Path().empty()) {
    Fail("no private folder for the radio's link");
  }
  // No --memory: the simulator starts with its own sample channels.
  SimProcess radio({"--link", files.File("radio")});
  if (radio.DevicePath().empty()) {
    Fail("the simulated radio did not start");
  }
  Session session(folder, files.File("radio"));
  session.Run();
  session.Close();
  radio.Stop();
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  try {
    return TakePictures(argc, argv);
  } catch (const Failure &failure) {
    std::fprintf(stderr, "zentor_screenshots: %s\n", failure.what());
    return 1;
  }
}
