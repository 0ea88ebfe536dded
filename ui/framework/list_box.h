// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list box that behaves like the Windows one the editor was laid out for: one selection that
// the user cannot take away, optional sorting as items are added, one item per text line, and a
// selection-change notification for the user's choices only. Whatever the program does to the
// list (adding, emptying, selecting) never notifies.
//
// The mouse works as on Windows: only the left button on an entry selects; while it is held the
// selection follows the mouse silently, and its release notifies once. Losing the focus or the
// window's activation while the button is held ends the gesture as its release would, and the
// real release then sends nothing more. A double click notifies one selection and one double
// click.
//
// So does the keyboard: every navigation key notifies, even where it cannot move, and each
// character typed selects the next entry that starts with it.

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

  void keyboardSearch(const QString &search) override;

 signals:
  // The user selected an item with the mouse or the keyboard. Like the Windows list box this
  // also comes for a click on the item that was already selected.
  void SelectionChanged();
  void DoubleClicked();

 protected:
  bool event(QEvent *event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                       const QEvent *event) const override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;

 private:
  void OnSelectionModelChanged();
  bool EndHold();  // whether the ended gesture chose an entry
  void LoseHold(bool windowOpening);
  template <typename Command>
  void RunKeyboardCommand(Command command, bool navigation);
  int NextEntryStartingWith(QChar character) const;

  bool sorted_;
  int programChanges_ = 0;  // nesting depth of the program's own changes
  int keyboardChanges_ = 0;
  bool keyboardChose_ = false;  // the key being handled moved or found a selection
  // The left button's hold, from its press on an entry to its release.
  bool holding_ = false;
  bool selectionChangedInHold_ = false;
  bool doubleClickInHold_ = false;
};
