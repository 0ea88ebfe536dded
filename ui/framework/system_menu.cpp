// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "standard_texts.h"

SystemMenu::SystemMenu(QWidget *window)
    : QObject(window), window_(window), menu_(new QMenu(window)) {
  menu_->setAccessibleName(QString::fromUtf8(SYSTEM_MENU_NAME));
  restore_ = AddCommand(SystemCommand::RESTORE, QString::fromUtf8(SYSTEM_MENU_RESTORE_TEXT));
  move_ = AddCommand(SystemCommand::MOVE, QString::fromUtf8(SYSTEM_MENU_MOVE_TEXT));
  // The window has a fixed size and no maximise box: these two stay greyed, as on Windows.
  AddCommand(SystemCommand::SIZE, QString::fromUtf8(SYSTEM_MENU_SIZE_TEXT))->setEnabled(false);
  minimize_ = AddCommand(SystemCommand::MINIMIZE, QString::fromUtf8(SYSTEM_MENU_MINIMIZE_TEXT));
  AddCommand(SystemCommand::MAXIMIZE, QString::fromUtf8(SYSTEM_MENU_MAXIMIZE_TEXT))
      ->setEnabled(false);
  menu_->addSeparator();
  QAction *close = AddCommand(SystemCommand::CLOSE, QString::fromUtf8(SYSTEM_MENU_CLOSE_TEXT));
  close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  menu_->setDefaultAction(close);
  connect(menu_, &QMenu::aboutToShow, this, &SystemMenu::UpdateEnabledCommands);
  menu_->installEventFilter(this);
}

bool SystemMenu::eventFilter(QObject *watched, QEvent *event) {
  if (watched == menu_ && event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && !key->text().isEmpty() && ChooseByMnemonic(key->text())) {
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

bool SystemMenu::ChooseByMnemonic(const QString &typed) {
  const QKeySequence wanted = QKeySequence::mnemonic(QStringLiteral("&") + typed.left(1));
  QAction *choice = nullptr;
  for (QAction *action : menu_->actions()) {
    if (action->isSeparator() || !action->isEnabled() ||
        QKeySequence::mnemonic(action->text()) != wanted) {
      continue;
    }
    if (choice != nullptr) {
      return false;  // two that can be chosen: QMenu moves between them
    }
    choice = action;
  }
  if (choice == nullptr) {
    return false;
  }
  menu_->hide();
  choice->trigger();
  return true;
}

QAction *SystemMenu::AddCommand(int commandId, const QString &text) {
  QAction *action = menu_->addAction(text);
  connect(action, &QAction::triggered, this, [this, commandId] { emit Command(commandId); });
  return action;
}

void SystemMenu::AppendSeparator() { menu_->addSeparator(); }

void SystemMenu::AppendItem(int commandId, const QString &text) { AddCommand(commandId, text); }

void SystemMenu::Popup(const QPoint &globalPosition) { menu_->popup(globalPosition); }

void SystemMenu::UpdateEnabledCommands() {
  const bool minimized = window_->isMinimized();
  restore_->setEnabled(minimized);
  move_->setEnabled(!minimized);
  minimize_->setEnabled(!minimized);
}
