// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

#include "modal_responder.h"
#include "programmer_app.h"
#include "programmer_dlg.h"
#include "test_application.h"

TEST(ProgrammerApp, RunsTheEditorModallyAndReturnsFalseWhenItEnds) {
  TestApplication();
  CProgrammerApp app;
  bool editorWasMainWindow = false;
  bool editorWasTopLevel = false;
  ModalResponder responder([&](QWidget *modal) {
    editorWasMainWindow = modal == app.MainWindow();
    editorWasTopLevel = modal->parentWidget() == nullptr;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_FALSE(app.InitInstance());
  EXPECT_TRUE(responder.Responded());
  EXPECT_TRUE(editorWasMainWindow);
  EXPECT_TRUE(editorWasTopLevel);
  EXPECT_EQ(app.MainWindow(), nullptr);
}
