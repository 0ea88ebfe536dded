#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "list_box.h"
#include "test_application.h"

namespace {

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

  // Delivers one mouse event over an entry, as the window system sends it.
  void Mouse(QEvent::Type type, int row, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF position = list->visualItemRect(list->item(row)).center();
    QMouseEvent event(type, position, list->viewport()->mapToGlobal(position), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &event);
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

TEST_F(ListBoxTest, DraggingFollowsTheMouseSilentlyAndTheReleaseNotifiesOnce) {
  QSignalSpy spy(list, &ListBox::SelectionChanged);
  Mouse(QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 1, Qt::NoButton, Qt::LeftButton);
  Mouse(QEvent::MouseMove, 2, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(list->GetCurSel(), 2);
  EXPECT_EQ(spy.count(), 0);
  Mouse(QEvent::MouseButtonRelease, 2, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(list->GetCurSel(), 2);
}

TEST_F(ListBoxTest, RightAndMiddleButtonsSelectNothing) {
  list->SetCurSel(0);
  QSignalSpy selections(list, &ListBox::SelectionChanged);
  QSignalSpy doubleClicks(list, &ListBox::DoubleClicked);
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(list->viewport(), button, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    Mouse(QEvent::MouseButtonPress, 1, button, button);
    Mouse(QEvent::MouseMove, 2, Qt::NoButton, button);
    Mouse(QEvent::MouseButtonRelease, 2, button, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, 2, button, button);
    Mouse(QEvent::MouseButtonDblClick, 2, button, button);
    Mouse(QEvent::MouseButtonRelease, 2, button, Qt::NoButton);
  }
  EXPECT_EQ(list->GetCurSel(), 0);
  EXPECT_EQ(selections.count(), 0);
  EXPECT_EQ(doubleClicks.count(), 0);
}

// The window system's double click: press, release, press, double click, release.
TEST_F(ListBoxTest, ADoubleClickNotifiesOneSelectionAndOneDoubleClick) {
  QSignalSpy selections(list, &ListBox::SelectionChanged);
  QSignalSpy doubleClicks(list, &ListBox::DoubleClicked);
  Mouse(QEvent::MouseButtonPress, 1, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, 1, Qt::LeftButton, Qt::NoButton);
  Mouse(QEvent::MouseButtonPress, 1, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseButtonDblClick, 1, Qt::LeftButton, Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, 1, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(list->GetCurSel(), 1);
  EXPECT_EQ(selections.count(), 1);
  EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(ListBoxTest, NoSelectionReadsAsMinusOne) {
  EXPECT_EQ(list->GetCurSel(), -1);
  EXPECT_EQ(list->GetText(7), QString());
}
