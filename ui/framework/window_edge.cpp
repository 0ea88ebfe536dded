// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_edge.h"

#include <QChildEvent>
#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace {

class EdgeFrame : public QFrame {
 public:
  EdgeFrame(QWidget *widget, EdgeKind kind) : QFrame(widget), widget_(widget) {
    setFrameStyle(kind == EdgeKind::STATIC_EDGE ? (QFrame::Panel | QFrame::Sunken)
                                                : (QFrame::WinPanel | QFrame::Sunken));
    setLineWidth(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(widget->accessibleName().isEmpty() ? widget->windowTitle()
                                                         : widget->accessibleName());
    setGeometry(widget->rect());
    // A control's edge lies over the control's own parts (a list's viewport and scroll bars).
    // A window's edge lies under its controls, which keep clear of the window's border, so the
    // edge is never repainted for a control's sake.
    if (widget->isWindow()) {
      lower();
    } else {
      raise();
    }
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == widget_) {
      if (event->type() == QEvent::Resize) {
        setGeometry(widget_->rect());
      } else if (event->type() == QEvent::ChildAdded && !widget_->isWindow() &&
                 static_cast<QChildEvent *>(event)->child()->isWidgetType()) {
        raise();
      }
    }
    return QFrame::eventFilter(watched, event);
  }

 private:
  QWidget *widget_;
};

}  // namespace

QFrame *AddWindowEdge(QWidget *widget, EdgeKind kind) { return new EdgeFrame(widget, kind); }
