// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// One text line per item, as a Windows list box draws them.
class LineHighDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    const QSize natural = QStyledItemDelegate::sizeHint(option, index);
    return QSize(natural.width(), option.fontMetrics.height());
  }
};

// Counts the nesting depth of a kind of change while it lasts.
class ChangeScope {
 public:
  explicit ChangeScope(int &depth) : depth_(depth) { ++depth_; }
  ~ChangeScope() { --depth_; }
  ChangeScope(const ChangeScope &) = delete;
  ChangeScope &operator=(const ChangeScope &) = delete;

 private:
  int &depth_;
};

bool IsNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

ListBox::ListBox(bool sorted, QWidget *parent) : QListWidget(parent), sorted_(sorted) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setItemDelegate(new LineHighDelegate(this));
  setUniformItemSizes(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::PreventContextMenu);
  // The Windows list box scrolls by itself only while the mouse is held outside it. Qt's view
  // also starts scrolling when the held mouse moves on the first or last entry in view; that
  // outlives the release, and a key pressed meanwhile moves the selection out of sight.
  setAutoScrollMargin(0);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ListBox::OnSelectionModelChanged);
}

int ListBox::AddString(const QString &text) {
  const ChangeScope change(programChanges_);
  int index = count();
  if (sorted_) {
    index = 0;
    while (index < count() && QString::compare(item(index)->text(), text, Qt::CaseInsensitive) <= 0) {
      ++index;
    }
  }
  insertItem(index, text);
  return index;
}

void ListBox::ResetContent() {
  const ChangeScope change(programChanges_);
  clear();
  // The view lays out its items only later, so a list refilled at once would otherwise keep the
  // emptied list's scroll position.
  verticalScrollBar()->setValue(0);
}

int ListBox::GetCount() const { return count(); }

int ListBox::GetCurSel() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetCurSel(int index) {
  const ChangeScope change(programChanges_);
  if (index < 0 || index >= count()) {
    clearSelection();
    return;
  }
  setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  scrollToItem(item(index));
}

QString ListBox::GetText(int index) const {
  const QListWidgetItem *entry = item(index);
  return entry != nullptr ? entry->text() : QString();
}

void ListBox::focusInEvent(QFocusEvent *event) {
  QListWidget::focusInEvent(event);
  // Qt makes the first entry current on the way in, so that the first Down would pass it by and
  // Home or Up would select nothing; with nothing selected, the Windows list box takes the first
  // key to its caret entry, the first one of a list just filled.
  if (GetCurSel() == -1) {
    const ChangeScope change(programChanges_);
    setCurrentIndex(QModelIndex());
  }
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex next = QListWidget::moveCursor(action, modifiers);
  // A key that cannot move, Home on the first entry, still brings that entry into view.
  if (next.isValid() && next == currentIndex()) {
    scrollTo(next);
  }
  return next;
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *) const {
  // Neither Ctrl+click nor a click beside the items takes the selection away, and moving the
  // current item with Ctrl+arrow still selects it.
  return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

void ListBox::keyboardSearch(const QString &search) {
  // One character at a time, never a search for several typed in a row.
  for (const QChar character : search) {
    const int row = NextEntryStartingWith(character);
    if (row != -1) {
      setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
      scrollToItem(item(row));
      keyboardChose_ = true;
    }
  }
}

int ListBox::NextEntryStartingWith(QChar character) const {
  // After the selected entry, round to it again; from the top when there is none.
  const int start = GetCurSel() + 1;
  for (int step = 0; step < count(); ++step) {
    const int row = (start + step) % count();
    if (item(row)->text().startsWith(character, Qt::CaseInsensitive)) {
      return row;
    }
  }
  return -1;
}

bool ListBox::event(QEvent *event) {
  if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::UngrabMouse) {
    LoseHold(true);
  }
  return QListWidget::event(event);
}

void ListBox::mousePressEvent(QMouseEvent *event) {
  // A press that hits no entry starts nothing: dragged onto an entry it still selects nothing.
  if (event->button() != Qt::LeftButton || itemAt(event->position().toPoint()) == nullptr) {
    event->accept();
    return;
  }
  holding_ = true;
  selectionChangedInHold_ = false;
  doubleClickInHold_ = false;
  QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent *event) {
  // A left button pressed elsewhere, or whose gesture has ended, selects nothing.
  if ((event->buttons() & Qt::LeftButton) != 0 && !holding_) {
    event->accept();
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event) {
  event->accept();
  if (event->button() != Qt::LeftButton) {
    return;
  }
  // The second press of a double click has already come as a press; its release then
  // notifies only if that press moved the selection.
  doubleClickInHold_ = holding_;
  emit DoubleClicked();
}

void ListBox::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton || !holding_) {
    event->accept();
    return;
  }
  QListWidget::mouseReleaseEvent(event);
  if (EndHold() && GetCurSel() != -1) {
    emit SelectionChanged();
  }
}

bool ListBox::EndHold() {
  if (!holding_) {
    return false;
  }
  holding_ = false;
  return !doubleClickInHold_ || selectionChangedInHold_;
}

void ListBox::focusOutEvent(QFocusEvent *event) {
  QListWidget::focusOutEvent(event);
  // The focus moving on to another control is a moment like any other; a window opening over
  // this one is still being activated, and the parent's handler may open a window of its own.
  const Qt::FocusReason reason = event->reason();
  LoseHold(reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
}

void ListBox::LoseHold(bool windowOpening) {
  if (!holding_) {
    return;
  }
  // The release may never come (a modal window takes the mouse), or come to a list that no
  // longer has the focus: the gesture ends here, as the release would end it.
  stopAutoScroll();
  setState(NoState);
  if (!EndHold()) {
    return;
  }
  const auto notify = [this] {
    if (GetCurSel() != -1) {
      emit SelectionChanged();
    }
  };
  if (windowOpening) {
    QMetaObject::invokeMethod(this, notify, Qt::QueuedConnection);
  } else {
    notify();
  }
}

template <typename Command>
void ListBox::RunKeyboardCommand(Command command, bool navigation) {
  keyboardChose_ = false;
  {
    const ChangeScope keyboard(keyboardChanges_);
    command();
  }
  // Once per key, and for every navigation key, even Home on the first entry.
  if ((keyboardChose_ || navigation) && GetCurSel() != -1) {
    emit SelectionChanged();
  }
}

void ListBox::keyPressEvent(QKeyEvent *event) {
  // Left and right move as up and down do in a list of one column.
  const int key = event->key() == Qt::Key_Left    ? Qt::Key_Up
                  : event->key() == Qt::Key_Right ? Qt::Key_Down
                                                  : event->key();
  RunKeyboardCommand(
      [&] {
        if (key == event->key()) {
          QListWidget::keyPressEvent(event);
          return;
        }
        QKeyEvent vertical(event->type(), key, event->modifiers());
        QListWidget::keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
      },
      IsNavigationKey(key));
}

void ListBox::inputMethodEvent(QInputMethodEvent *event) {
  RunKeyboardCommand([&] { QListWidget::inputMethodEvent(event); }, false);
}

void ListBox::OnSelectionModelChanged() {
  if (programChanges_ > 0) {
    return;
  }
  if (keyboardChanges_ > 0) {
    keyboardChose_ = true;
    return;
  }
  if (holding_) {
    selectionChangedInHold_ = true;
    return;
  }
  emit SelectionChanged();
}
