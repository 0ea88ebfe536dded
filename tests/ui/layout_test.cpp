// SPDX-License-Identifier: GPL-3.0-or-later
// The window built from the template: places, names, tab order, and statics that never get in
// the way of a click.

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <set>

#include "control_names.h"
#include "dialog_font.h"
#include "dialog_units.h"
#include "editor_fixture.h"

namespace {

std::vector<int> TabStopIds() {
  std::vector<int> ids;
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if ((control.style & ControlStyle::TAB_STOP) != 0) {
      ids.push_back(control.id);
    }
  }
  return ids;
}

}  // namespace

TEST(DialogTemplate, HoldsTheFortySevenControlsWithDistinctIds) {
  std::set<int> ids;
  int statics = 0;
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if (control.id == NO_CONTROL_ID) {
      ++statics;
      EXPECT_TRUE(control.kind == ControlKind::LABEL || control.kind == ControlKind::GROUP_BOX);
    } else {
      EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    }
  }
  EXPECT_EQ(ids.size(), 22u);
  EXPECT_EQ(statics, 25);
  EXPECT_EQ(TabStopIds(), (std::vector<int>{1036, 1037, 1035, 1007, 1018, 1029, 1013, 1020, 1031,
                                            1030, 1012, 1042, 1043, 1044, 1015, 1041, 2, 1040}));
}

TEST(DialogUnits, FollowTheLetterWidthAndFontHeight) {
  const DialogUnits units{7, 17};
  EXPECT_EQ(units.X(4), 7);
  EXPECT_EQ(units.Y(8), 17);
  EXPECT_EQ(units.X(495), 866);  // 866.25
  EXPECT_EQ(units.Y(362), 769);  // 769.25
  EXPECT_EQ(units.Rect(270, 35, 80, 14), QRect(473, 74, 140, 30));
}

TEST_F(EditorTest, ControlsStandWhereTheTemplatePutsThem) {
  const DialogUnits units = DialogUnitsOf(DialogFont());
  EXPECT_EQ(dialog->size(), QSize(units.X(EDITOR_WIDTH), units.Y(EDITOR_HEIGHT)));
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if (control.id != NO_CONTROL_ID) {
      EXPECT_EQ(dialog->Control(control.id)->geometry(),
                units.Rect(control.x, control.y, control.width, control.height))
          << control.id;
    }
  }
}

TEST_F(EditorTest, EveryControlIsOnTopOfTheLabelsAndGroupsAroundIt) {
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if (control.id == NO_CONTROL_ID) {
      continue;
    }
    QWidget *widget = dialog->Control(control.id);
    QWidget *hit = dialog->childAt(widget->geometry().center());
    while (hit != nullptr && hit != widget) {
      hit = hit->parentWidget() == dialog.get() ? nullptr : hit->parentWidget();
    }
    EXPECT_EQ(hit, widget) << control.id;
  }
  for (QWidget *child : dialog->findChildren<QLabel *>()) {
    EXPECT_TRUE(child->testAttribute(Qt::WA_TransparentForMouseEvents));
  }
  for (QWidget *child : dialog->findChildren<QGroupBox *>()) {
    EXPECT_TRUE(child->testAttribute(Qt::WA_TransparentForMouseEvents));
  }
}

TEST_F(EditorTest, TabVisitsTheTabStopsInTemplateOrderAndSkipsReadOnlyEdits) {
  std::vector<int> visited;
  for (std::size_t i = 0; i <= TabStopIds().size(); ++i) {
    QWidget *focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    int id = NO_CONTROL_ID;
    for (const ControlTemplate &control : EDITOR_CONTROLS) {
      if (dialog->Control(control.id) == focused) {
        id = control.id;
      }
    }
    visited.push_back(id);
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  std::vector<int> expected = TabStopIds();
  expected.push_back(expected.front());  // and round again
  EXPECT_EQ(visited, expected);
  for (int id : {1019, 1021, 1038, 1039}) {
    EXPECT_EQ(dialog->Control(id)->focusPolicy(), Qt::ClickFocus) << id;
    EXPECT_TRUE(Edit(id)->isReadOnly()) << id;
  }
}

TEST_F(EditorTest, EveryControlHasAnAccessibleName) {
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    EXPECT_FALSE(QString::fromUtf8(AccessibleNameOf(control)).isEmpty()) << control.text;
  }
  for (QWidget *child : dialog->findChildren<QWidget *>()) {
    if (child->parentWidget() == dialog.get()) {
      EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
    }
  }
  const struct {
    int id;
    const char *name;
  } twins[] = {
      {1007, "发射 频率"},      {1020, "接收 频率"},      {1029, "发射 编码类型"},
      {1030, "接收 编码类型"},  {1013, "发射 编码表"},    {1012, "接收 编码表"},
      {1021, "发射 所选编码"},  {1019, "接收 所选编码"},  {1035, "频道选择"},
      {1037, "频道窄/宽选择"},  {1036, "频段"},           {1040, "串行口选择"},
      {1018, "TOT限时"},        {1031, "静噪等级"},       {1038, "所选静噪等级"},
      {1039, "所选窄/宽值"},    {1044, "读出"},           {2, "退出"},
  };
  for (const auto &twin : twins) {
    EXPECT_EQ(dialog->Control(twin.id)->accessibleName(), QString::fromUtf8(twin.name)) << twin.id;
  }
}

TEST_F(EditorTest, CopyButtonsKeepTheirTextWhole) {
  EXPECT_EQ(Button(1042)->text(), QString::fromUtf8("复制到<=="));
  EXPECT_EQ(Button(1043)->text(), QString::fromUtf8("复制到==>"));
  // The text is wider than the button: it can only fit by wrapping.
  EXPECT_GT(Button(1042)->fontMetrics().horizontalAdvance(Button(1042)->text()), Button(1042)->width());
  EXPECT_FALSE(Button(1042)->grab().isNull());
}

// A sunken edge shows its shadow at the top left and its highlight at the bottom right; a
// client edge has a second, darker line inside. Controls without an edge keep Qt's own frame.
TEST_F(EditorTest, TheTemplatesEdgesAreDrawnAroundTheControlsAndTheWindow) {
  const QPalette &palette = dialog->palette();
  const QRgb dark = palette.color(QPalette::Dark).rgb();
  const QRgb shadow = palette.color(QPalette::Shadow).rgb();
  int edged = 0;
  for (const ControlTemplate &control : EDITOR_CONTROLS) {
    if (control.id != NO_CONTROL_ID) {
      const QImage image = dialog->Control(control.id)->grab().toImage();
      const bool sunken = (control.style & ControlStyle::SUNKEN_EDGE) != 0;
      const bool edge = sunken || (control.style & ControlStyle::STATIC_EDGE) != 0;
      edged += edge ? 1 : 0;
      EXPECT_EQ(image.pixel(0, 0) == dark, edge) << control.id;
      EXPECT_EQ(image.pixel(1, 1) == shadow, sunken) << control.id;
      EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) ==
                    palette.color(QPalette::Light).rgb(),
                edge)
          << control.id;
    }
  }
  EXPECT_EQ(edged, 10);
  const QImage window = dialog->grab().toImage();
  EXPECT_EQ(window.pixel(0, 0), dark);
  EXPECT_EQ(window.pixel(1, 1), shadow);
}
