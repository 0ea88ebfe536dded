// SPDX-License-Identifier: GPL-3.0-or-later
// The port list tells which device each entry opens, in its tooltip and in each entry's
// accessible description. A USB cable's device comes and goes as it is plugged in, so the text
// is looked up each time it is about to be shown, never kept from start-up.

#include <QEvent>
#include <QHelpEvent>
#include <functional>
#include <utility>

#include "list_box.h"
#include "port_device.h"
#include "programmer_dlg.h"

namespace {

class PortEntryHints : public QObject {
 public:
  PortEntryHints(ListBox *list, std::function<QString(const QString &)> describe)
      : QObject(list), list_(list), describe_(std::move(describe)) {
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    DescribeAll();
  }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::ToolTip && watched == list_->viewport()) {
      // Refreshed before the list itself answers the event with the entry's tooltip.
      if (QListWidgetItem *entry = list_->itemAt(static_cast<QHelpEvent *>(event)->pos())) {
        Describe(entry);
      }
    } else if (event->type() == QEvent::FocusIn && watched == list_) {
      DescribeAll();  // what a screen reader reads as the user moves through the entries
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Describe(QListWidgetItem *entry) {
    const QString text = describe_(entry->text());
    entry->setToolTip(text);
    entry->setData(Qt::AccessibleDescriptionRole, text);
  }
  void DescribeAll() {
    for (int index = 0; index < list_->count(); ++index) {
      Describe(list_->item(index));
    }
  }

  ListBox *list_;
  std::function<QString(const QString &)> describe_;
};

}  // namespace

void CProgrammerDlg::DescribePortEntries() {
  new PortEntryHints(portList, [this](const QString &portName) {
    return QString::fromStdString(PortDeviceDescription(portName.toStdString(), port_.SerialByIdFolder()));
  });
}
