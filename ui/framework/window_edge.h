// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three-dimensional edges of Windows controls and windows, drawn with Qt's frame styles:
// a static edge (one pixel, sunken: shadow above and left, highlight below and right) and a
// sunken edge, the client edge (two pixels: the static edge with a dark line inside it). On
// Windows the edge takes the outermost pixels of the window's rectangle; here it is drawn over
// them, so the widget keeps its place and size.

class QFrame;
class QWidget;

enum class EdgeKind { STATIC_EDGE, SUNKEN_EDGE };

// Adds the edge to `widget` and keeps it along the widget's border whatever size it takes.
// The edge takes no input and carries the widget's accessible name (or its title).
QFrame *AddWindowEdge(QWidget *widget, EdgeKind kind);
