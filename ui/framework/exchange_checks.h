// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data exchange's primitives between one edit and one value: showing a value, reading a
// number back, and the range and length checks with their standard messages. A failing read or
// check shows its message, then hands the edit back to the user with its whole text selected,
// and returns false.

#include <QString>

class MessageSink;
class QLineEdit;

// Numbers as "%.*g" with precision 15, texts unchanged. An edit whose text is already the one
// to show is left alone, so its caret and selection stay where they are.
void ShowNumberInEdit(QLineEdit *edit, double value);
void ShowTextInEdit(QLineEdit *edit, const QString &text);

// The edit's number; a text that is no number leaves `value` as it was.
bool ReadEditNumber(QLineEdit *edit, double &value, MessageSink &messages);
bool CheckNumberRange(QLineEdit *edit, double value, double minimum, double maximum,
                      MessageSink &messages);
// The longest allowed text counts bytes of its GBK form.
bool CheckTextBytes(QLineEdit *edit, int maxBytes, MessageSink &messages);
