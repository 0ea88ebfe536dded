// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "control_names.h"
#include "list_box.h"
#include "read_only_edit.h"
#include "window_edge.h"
#include "wrapping_button.h"

namespace {

bool HasStyle(const ControlTemplate &control, unsigned style) { return (control.style & style) != 0; }

QWidget *CreateEdit(const ControlTemplate &control, QWidget *dialog) {
  if (control.kind == ControlKind::READ_ONLY_EDIT) {
    return new ReadOnlyEdit(dialog);
  }
  return new QLineEdit(dialog);
}

QWidget *CreateButton(const ControlTemplate &control, QWidget *dialog) {
  const QString text = QString::fromUtf8(control.text);
  QPushButton *button = HasStyle(control, ControlStyle::MULTI_LINE)
                            ? new WrappingButton(text, dialog)
                            : new QPushButton(text, dialog);
  // Enter clicks the focused button only; there is no default button to fall back on.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QWidget *CreateStatic(const ControlTemplate &control, QWidget *dialog) {
  const QString text = QString::fromUtf8(control.text);
  QWidget *widget = nullptr;
  if (control.kind == ControlKind::GROUP_BOX) {
    auto *group = new QGroupBox(text, dialog);
    if (HasStyle(control, ControlStyle::CENTRED_TITLE)) {
      group->setAlignment(Qt::AlignHCenter);
    }
    widget = group;
  } else {
    auto *label = new QLabel(text, dialog);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget = label;
  }
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

void AddEdges(QWidget *widget, unsigned style) {
  if ((style & ControlStyle::STATIC_EDGE) != 0) {
    AddWindowEdge(widget, EdgeKind::STATIC_EDGE);
  }
  if ((style & ControlStyle::SUNKEN_EDGE) != 0) {
    AddWindowEdge(widget, EdgeKind::SUNKEN_EDGE);
  }
}

QWidget *CreateControl(const ControlTemplate &control, QWidget *dialog) {
  switch (control.kind) {
    case ControlKind::EDIT:
    case ControlKind::READ_ONLY_EDIT:
      return CreateEdit(control, dialog);
    case ControlKind::LIST_BOX:
      return new ListBox(HasStyle(control, ControlStyle::SORTED), dialog);
    case ControlKind::PUSH_BUTTON:
      return CreateButton(control, dialog);
    case ControlKind::GROUP_BOX:
    case ControlKind::LABEL:
      break;
  }
  return CreateStatic(control, dialog);
}

bool IsStatic(const ControlTemplate &control) {
  return control.kind == ControlKind::GROUP_BOX || control.kind == ControlKind::LABEL;
}

}  // namespace

TemplateControls::TemplateControls(QWidget *dialog, const DialogUnits &units) {
  QWidget *previousTabStop = nullptr;
  for (std::size_t i = 0; i < EDITOR_CONTROL_COUNT; ++i) {
    const ControlTemplate &control = EDITOR_CONTROLS[i];
    QWidget *widget = CreateControl(control, dialog);
    widget->setGeometry(units.Rect(control.x, control.y, control.width, control.height));
    widget->setAccessibleName(QString::fromUtf8(AccessibleNameOf(control)));
    AddEdges(widget, control.style);
    if (!IsStatic(control)) {
      const bool tabStop = HasStyle(control, ControlStyle::TAB_STOP);
      widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      if (tabStop) {
        if (previousTabStop != nullptr) {
          QWidget::setTabOrder(previousTabStop, widget);
        }
        previousTabStop = widget;
      }
    }
    widgets_[i] = widget;
  }
  // Statics come after the controls in the template; keep them underneath all the same, so a
  // group box never paints over or stands in front of what it frames.
  for (std::size_t i = EDITOR_CONTROL_COUNT; i-- > 0;) {
    if (IsStatic(EDITOR_CONTROLS[i])) {
      widgets_[i]->lower();
    }
  }
  AddEdges(dialog, EDITOR_STYLE);
}

QWidget *TemplateControls::Find(int id) const {
  if (id == NO_CONTROL_ID) {
    return nullptr;
  }
  for (std::size_t i = 0; i < EDITOR_CONTROL_COUNT; ++i) {
    if (EDITOR_CONTROLS[i].id == id) {
      return widgets_[i];
    }
  }
  return nullptr;
}

QWidget *TemplateControls::FirstTabStop() const {
  for (std::size_t i = 0; i < EDITOR_CONTROL_COUNT; ++i) {
    if (HasStyle(EDITOR_CONTROLS[i], ControlStyle::TAB_STOP)) {
      return widgets_[i];
    }
  }
  return nullptr;
}
