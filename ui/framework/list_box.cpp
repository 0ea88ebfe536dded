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

class ProgramChange {
 public:
  explicit ProgramChange(int &depth) : depth_(depth) { ++depth_; }
  ~ProgramChange() { --depth_; }
  ProgramChange(const ProgramChange &) = delete;
  ProgramChange &operator=(const ProgramChange &) = delete;

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
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ListBox::OnSelectionModelChanged);
}

int ListBox::AddString(const QString &text) {
  const ProgramChange change(programChanges_);
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
  const ProgramChange change(programChanges_);
  clear();
}

int ListBox::GetCount() const { return count(); }

int ListBox::GetCurSel() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::SetCurSel(int index) {
  const ProgramChange change(programChanges_);
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

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *) const {
  // Neither Ctrl+click nor a click beside the items takes the selection away, and moving the
  // current item with Ctrl+arrow still selects it.
  return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
}

void ListBox::BeginClick(const QPoint &position) {
  clickStartedOnItem_ = itemAt(position) != nullptr;
  selectionChangedInClick_ = false;
}

void ListBox::mousePressEvent(QMouseEvent *event) {
  BeginClick(event->position().toPoint());
  QListWidget::mousePressEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent *event) {
  BeginClick(event->position().toPoint());
  QListWidget::mouseDoubleClickEvent(event);
  if (clickStartedOnItem_ && event->button() == Qt::LeftButton) {
    emit DoubleClicked();
  }
}

void ListBox::mouseReleaseEvent(QMouseEvent *event) {
  QListWidget::mouseReleaseEvent(event);
  const bool repeatedChoice = clickStartedOnItem_ && !selectionChangedInClick_ &&
                              event->button() == Qt::LeftButton && GetCurSel() != -1;
  clickStartedOnItem_ = false;
  if (repeatedChoice) {
    emit SelectionChanged();
  }
}

void ListBox::OnSelectionModelChanged() {
  if (programChanges_ > 0) {
    return;
  }
  selectionChangedInClick_ = true;
  emit SelectionChanged();
}
