// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list box that behaves like the Windows one the editor was laid out for: one selection that
// the user cannot take away, optional sorting as items are added, one item per text line, and a
// selection-change notification for the user's choices only. Whatever the program does to the
// list (adding, emptying, selecting) never notifies.
//
// The mouse works as on Windows: only the left button selects; while it is held the selection
// follows the mouse silently, and its release notifies once. A double click notifies one
// selection and one double click.

#include <QListWidget>

class ListBox : public QListWidget {
  Q_OBJECT

 public:
  ListBox(bool sorted, QWidget *parent);

  int AddString(const QString &text);  // the index the item landed at
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;  // -1 when nothing is selected
  void SetCurSel(int index);  // -1 (or an index outside the list) clears the selection
  QString GetText(int index) const;

 signals:
  // The user selected an item with the mouse or the keyboard. Like the Windows list box this
  // also comes for a click on the item that was already selected.
  void SelectionChanged();
  void DoubleClicked();

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                       const QEvent *event) const override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void OnSelectionModelChanged();

  bool sorted_;
  int programChanges_ = 0;  // nesting depth of the program's own changes
  int keyboardChanges_ = 0;
  // The left button's hold, from its press to its release.
  bool holding_ = false;
  bool holdStartedOnItem_ = false;
  bool selectionChangedInHold_ = false;
  bool doubleClickInHold_ = false;
};
