#pragma once
// The font of both dialogs: 宋体 (SimSun) 9 points where it is installed, otherwise the Noto
// Sans CJK SC of Debian's fonts-noto-cjk, which has the same Chinese coverage.

#include <QFont>

QFont DialogFont();
