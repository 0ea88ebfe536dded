// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include "code_selection.h"
#include "code_tables.h"
#include "control_names.h"
#include "dialog_template.h"
#include "dialog_texts.h"
#include "field_edits.h"
#include "link_messages.h"
#include "standard_texts.h"
#include "validation_messages.h"

namespace {

#define NAMED(constant) ProgramText{QStringLiteral(#constant), QString::fromUtf8(constant)}

template <typename Container>
void AddAll(std::vector<ProgramText> &texts, const char *name, const Container &container) {
  int index = 0;
  for (const char *text : container) {
    texts.push_back({QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(index++),
                     QString::fromUtf8(text)});
  }
}

}  // namespace

std::vector<ProgramText> ProgramTexts() {
  std::vector<ProgramText> texts = {
      NAMED(EDITOR_CAPTION),
      NAMED(NOT_A_NUMBER_MESSAGE),
      NAMED(NUMBER_RANGE_MESSAGE),
      NAMED(TEXT_TOO_LONG_MESSAGE),
      NAMED(CHANNEL_TEXT_SUFFIX),
      NAMED(ABOUT_CAPTION),
      NAMED(ABOUT_VERSION_TEXT),
      NAMED(ABOUT_NOTICE_TEXT),
      NAMED(ABOUT_OK_TEXT),
      NAMED(ABOUT_MENU_TEXT),
      NAMED(SYSTEM_MENU_NAME),
      NAMED(SYSTEM_MENU_RESTORE_TEXT),
      NAMED(SYSTEM_MENU_MOVE_TEXT),
      NAMED(SYSTEM_MENU_SIZE_TEXT),
      NAMED(SYSTEM_MENU_MINIMIZE_TEXT),
      NAMED(SYSTEM_MENU_MAXIMIZE_TEXT),
      NAMED(SYSTEM_MENU_CLOSE_TEXT),
      NAMED(MSG_READ_OPEN_FAILED),
      NAMED(MSG_READ_FAILED),
      NAMED(MSG_READ_DONE),
      NAMED(MSG_WRITE_OPEN_FAILED),
      NAMED(MSG_WRITE_FAILED),
      NAMED(MSG_WRITE_DONE),
      NAMED(MSG_DISTANCE),
      NAMED(MSG_BAND),
      NAMED(MSG_RX_GRID_NARROW),
      NAMED(MSG_RX_GRID_WIDE),
      NAMED(MSG_TX_GRID_NARROW),
      NAMED(MSG_TX_GRID_WIDE),
      NAMED(MSG_TOT),
      NAMED(CODE_TYPE_CTCSS_TEXT),
      NAMED(CODE_TYPE_DCS_TEXT),
      NAMED(CODE_TYPE_NONE_TEXT),
  };
  AddAll(texts, "SQUELCH_LEVEL_TEXTS", SQUELCH_LEVEL_TEXTS);
  AddAll(texts, "PORT_TEXTS", PORT_TEXTS);
  AddAll(texts, "SPACING_TEXTS", SPACING_TEXTS);
  AddAll(texts, "MSG_RX_OUT_OF_BAND", MSG_RX_OUT_OF_BAND);
  AddAll(texts, "MSG_TX_OUT_OF_BAND", MSG_TX_OUT_OF_BAND);
  AddAll(texts, "CTCSS_TONES", CTCSS_TONES);
  AddAll(texts, "DCS_CODE_LIST", DCS_CODE_LIST);
  for (int channel = 0; channel < static_cast<int>(CHANNEL_COUNT); ++channel) {
    texts.push_back({QStringLiteral("ChannelListText(%1)").arg(channel),
                     QString::fromStdString(ChannelListText(channel))});
  }
  for (std::size_t i = 0; i < EDITOR_CONTROLS.size(); ++i) {
    const QString index = QString::number(i);
    texts.push_back({QStringLiteral("EDITOR_CONTROLS[%1]").arg(index),
                     QString::fromUtf8(EDITOR_CONTROLS[i].text)});
    texts.push_back({QStringLiteral("AccessibleNameOf(EDITOR_CONTROLS[%1])").arg(index),
                     QString::fromUtf8(AccessibleNameOf(EDITOR_CONTROLS[i]))});
  }
  return texts;
}

std::vector<ProgramText> TextsOfWindow(const QWidget &window) {
  std::vector<ProgramText> texts = {{QStringLiteral("window title"), window.windowTitle()}};
  const auto add = [&texts](const QObject *object, const QString &text) {
    texts.push_back(
        {QStringLiteral("%1 \"%2\"").arg(QLatin1String(object->metaObject()->className()), text),
         text});
  };
  for (const QLabel *label : window.findChildren<QLabel *>()) {
    add(label, label->text());
  }
  for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
    add(button, button->text());
  }
  for (const QGroupBox *group : window.findChildren<QGroupBox *>()) {
    add(group, group->title());
  }
  for (const QLineEdit *edit : window.findChildren<QLineEdit *>()) {
    add(edit, edit->text());
  }
  for (const QListWidget *list : window.findChildren<QListWidget *>()) {
    for (int row = 0; row < list->count(); ++row) {
      add(list, list->item(row)->text());
    }
  }
  for (const QAction *action : window.findChildren<QAction *>()) {
    add(action, action->text());
  }
  return texts;
}
