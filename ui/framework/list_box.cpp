// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include <QMouseEvent>
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

void ListBox::mousePressEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  holding_ = true;
  holdStartedOnItem_ = itemAt(event->position().toPoint()) != nullptr;
  selectionChangedInHold_ = false;
  doubleClickInHold_ = false;
  QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent *event) {
  // A left button pressed elsewhere and dragged in selects nothing.
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
  holding_ = false;
  const bool choice = doubleClickInHold_ ? selectionChangedInHold_
                                         : selectionChangedInHold_ || holdStartedOnItem_;
  if (choice && GetCurSel() != -1) {
    emit SelectionChanged();
  }
}

void ListBox::keyPressEvent(QKeyEvent *event) {
  const ChangeScope keyboard(keyboardChanges_);
  QListWidget::keyPressEvent(event);
}

void ListBox::OnSelectionModelChanged() {
  if (programChanges_ > 0) {
    return;
  }
  if (holding_ && keyboardChanges_ == 0) {
    selectionChangedInHold_ = true;
    return;
  }
  emit SelectionChanged();
}
