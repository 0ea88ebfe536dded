// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "code_tables.h"
#include "list_box.h"
#include "modal_responder.h"
#include "test_application.h"

namespace {

constexpr auto PRESS = QEvent::MouseButtonPress, MOVE = QEvent::MouseMove,
               RELEASE = QEvent::MouseButtonRelease, DOUBLE = QEvent::MouseButtonDblClick;
constexpr int BLANK = -1;  // the blank area below the entries

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    window = std::make_unique<QWidget>();
    window->resize(200, 300);
    list = new ListBox(true, window.get());
    list->setGeometry(10, 10, 120, 250);
    for (const char *text : {"DCS", "CTCSS", "无"}) {
      list->AddString(QString::fromUtf8(text));
    }
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  // Plays mouse events of one button over entries, as the window system sends them.
  void Play(Qt::MouseButton button, std::initializer_list<std::pair<QEvent::Type, int>> events) {
    for (const auto &[type, row] : events) {
      const QPointF at = row == BLANK ? QPointF(20, list->viewport()->height() - 5)
                                      : list->visualItemRect(list->item(row)).center();
      QMouseEvent event(type, at, list->viewport()->mapToGlobal(at),
                        type == QEvent::MouseMove ? Qt::NoButton : button,
                        type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
      QApplication::sendEvent(list->viewport(), &event);
    }
  }

  void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
  }

  std::unique_ptr<QWidget> window;
  ListBox *list = nullptr;
};

}  // namespace

TEST_F(ListBoxTest, SortedListsPlaceEachItemByItsText) {
  ASSERT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->GetText(0), QStringLiteral("CTCSS"));
  EXPECT_EQ(list->GetText(1), QStringLiteral("DCS"));
  EXPECT_EQ(list->GetText(2), QString::fromUtf8("无"));
  EXPECT_EQ(list->AddString(QStringLiteral("A")), 0);
}

TEST_F(ListBoxTest, UnsortedListsKeepTheOrderAdded) {
  ListBox unsorted(false, window.get());
  for (const char *text : {"023N", "754N", "023I"}) {
    unsorted.AddString(QString::fromUtf8(text));
  }
  EXPECT_EQ(unsorted.GetText(0), QStringLiteral("023N"));
  EXPECT_EQ(unsorted.GetText(1), QStringLiteral("754N"));
  EXPECT_EQ(unsorted.GetText(2), QStringLiteral("023I"));
}

TEST_F(ListBoxTest, TheProgramsOwnChangesNeverNotify) {
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  list->SetCurSel(1);
  list->SetCurSel(-1);
  list->SetCurSel(2);
  list->AddString(QStringLiteral("B"));
  list->ResetContent();
  list->AddString(QStringLiteral("X"));
  list->SetCurSel(0);
  EXPECT_EQ(spy.count(), 0);
  EXPECT_EQ(list->GetCurSel(), 0);
}

TEST_F(ListBoxTest, TheUsersClicksNotifyAlsoOnTheSelectedEntry) {
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  Click(1);
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(list->GetCurSel(), 1);
  Click(1);
  EXPECT_EQ(spy.count(), 2);
  EXPECT_EQ(list->GetCurSel(), 1);
}

TEST_F(ListBoxTest, CtrlClickDoesNotTakeTheSelectionAway) {
  Click(2);
  Click(2, Qt::ControlModifier);
  EXPECT_EQ(list->GetCurSel(), 2);
}

TEST_F(ListBoxTest, ArrowKeysSelectAndNotify) {
  list->SetCurSel(0);
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(ListBoxTest, ADoubleClickNotifiesAsSuch) {
  QSignalSpy spy(list, &ListBox::DoubleClicked);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                     list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(spy.count(), 1);
}

TEST_F(ListBoxTest, TheMouseSelectsAsInTheWindowsListBox) {
  QSignalSpy selections(list, &ListBox::SelectionChanged);
  QSignalSpy doubleClicks(list, &ListBox::DoubleClicked);
  // A drag: the selection follows the mouse silently, and the release notifies once.
  Play(Qt::LeftButton, {{PRESS, 0}, {MOVE, 1}, {MOVE, 2}});
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(selections.count(), 0);
  Play(Qt::LeftButton, {{RELEASE, 2}});
  EXPECT_EQ(selections.count(), 1);
  // The other buttons select nothing, neither by a click, a drag nor a double click.
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    Play(button, {{PRESS, 1}, {MOVE, 0}, {RELEASE, 0}, {PRESS, 0}, {DOUBLE, 0}, {RELEASE, 0}});
  }
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(selections.count(), 1);
  EXPECT_EQ(doubleClicks.count(), 0);
  // A double click comes as press, release, press, double click, release.
  Play(Qt::LeftButton, {{PRESS, 1}, {RELEASE, 1}, {PRESS, 1}, {DOUBLE, 1}, {RELEASE, 1}});
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(selections.count(), 2);
  EXPECT_EQ(doubleClicks.count(), 1);
  // A press on the blank area starts nothing, even dragged onto an entry.
  Play(Qt::LeftButton, {{PRESS, BLANK}, {MOVE, 0}, {RELEASE, 0}});
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(selections.count(), 2);
}

TEST_F(ListBoxTest, AHeldPressEndsAsItsReleaseWouldWhenTheFocusOrTheWindowGoes) {
  (new QLineEdit(window.get()))->show();  // where Tab goes
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const std::function<void()> leaves[] = {
      [this] { QTest::keyClick(list, Qt::Key_Tab); },
      [this] {
        ModalResponder user([](QWidget *box) {
          EXPECT_TRUE(QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }));
          box->close();
        });
        QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok, window.get()).exec();
      }};
  for (const auto &leave : leaves) {
    list->SetCurSel(0);
    list->setFocus(Qt::MouseFocusReason);
    QSignalSpy selections(list, &ListBox::SelectionChanged);
    Play(Qt::LeftButton, {{PRESS, 0}, {MOVE, 2}});
    leave();
    QCoreApplication::processEvents();
    EXPECT_EQ(selections.count(), 1);
    // The button was held all along: neither the drag nor the release goes on with the list.
    Play(Qt::LeftButton, {{MOVE, 1}, {RELEASE, 1}});
    EXPECT_EQ(list->GetCurSel(), 2);
    EXPECT_EQ(selections.count(), 1);
  }
}

TEST_F(ListBoxTest, EachKeyNotifiesAsInTheWindowsListBox) {
  list->SetCurSel(0);
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  // Every navigation key notifies, even Home on the first entry and End on the last.
  for (const auto &[key, row] : {std::pair{Qt::Key_Home, 0}, {Qt::Key_End, 2}, {Qt::Key_End, 2},
                                 {Qt::Key_Left, 1}}) {
    QTest::keyClick(list, key);
    EXPECT_EQ(list->GetCurSel(), row);
  }
  // A character selects the next entry after the selected one that starts with it, if any.
  for (const auto &[key, row] : {std::pair{'c', 0}, {'C', 0}, {'x', 0}, {'d', 1}}) {
    QTest::keyClick(list, key);
    EXPECT_EQ(list->GetCurSel(), row);
  }
  EXPECT_EQ(spy.count(), 7);
  // One character per key: "025" is "0", then "2", then "5".
  ListBox codes(false, window.get());
  for (const char *code : DCS_CODE_LIST) {
    codes.AddString(QString::fromUtf8(code));
  }
  QTest::keyClicks(&codes, QStringLiteral("025"));
  EXPECT_EQ(codes.GetText(codes.GetCurSel()), QStringLiteral("503N"));
}

TEST_F(ListBoxTest, ADragOnTheEntriesInViewNeverScrollsTheList) {
  for (int i = 0; i < 40; ++i) {
    list->AddString(QStringLiteral("E%1").arg(i, 2, 10, QLatin1Char('0')));
  }
  // The held mouse moves on the first entry in view, then to the next one.
  Play(Qt::LeftButton, {{QEvent::MouseButtonPress, 0}, {QEvent::MouseMove, 0}, {QEvent::MouseMove, 1},
                        {QEvent::MouseButtonRelease, 1}});
  QTest::keyClick(list, Qt::Key_End);
  const int last = list->GetCount() - 1;
  EXPECT_EQ(list->GetCurSel(), last);
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(last))));
}

TEST_F(ListBoxTest, WithNothingSelectedTheFirstKeySelectsTheFirstEntry) {
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
    list->SetCurSel(-1);
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, key);
    EXPECT_EQ(list->GetCurSel(), 0) << key;
  }
  EXPECT_EQ(spy.count(), 3);
}

TEST_F(ListBoxTest, AKeyThatCannotMoveStillBringsItsEntryIntoView) {
  for (int i = 0; i < 40; ++i) {
    list->AddString(QStringLiteral("E%1").arg(i, 2, 10, QLatin1Char('0')));
  }
  list->SetCurSel(0);
  list->scrollToBottom();
  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(0))));
}

TEST_F(ListBoxTest, NoSelectionReadsAsMinusOne) {
  EXPECT_EQ(list->GetCurSel(), -1);
  EXPECT_EQ(list->GetText(7), QString());
}
