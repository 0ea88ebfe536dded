// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's system menu. Qt cannot add items to the menu of the window manager, so the
// editor carries its own: the usual window commands, then whatever the dialog appends. Every
// choice arrives as a command id, as Windows' system commands do.

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace SystemCommand {
constexpr int SIZE = 0xF000;
constexpr int MOVE = 0xF010;
constexpr int MINIMIZE = 0xF020;
constexpr int MAXIMIZE = 0xF030;
constexpr int CLOSE = 0xF060;
constexpr int RESTORE = 0xF120;
}  // namespace SystemCommand

class SystemMenu : public QObject {
  Q_OBJECT

 public:
  explicit SystemMenu(QWidget *window);

  void AppendSeparator();
  void AppendItem(int commandId, const QString &text);

  // Opens the menu at a point on the screen; returns at once, the choice comes as Command.
  void Popup(const QPoint &globalPosition);
  QMenu *Menu() const { return menu_; }

 signals:
  void Command(int commandId);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  // A mnemonic letter shared by a greyed item and one that can be chosen chooses the latter,
  // where QMenu would only move the highlight between them.
  bool ChooseByMnemonic(const QString &typed);
  QAction *AddCommand(int commandId, const QString &text);
  void UpdateEnabledCommands();

  QWidget *window_;
  QMenu *menu_;
  QAction *restore_;
  QAction *move_;
  QAction *minimize_;
};
