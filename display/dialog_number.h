// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the editor's number edits show a double and read one back. Plain C++ on purpose: the
// reading rule can be compared with the C library's strtod without a window.

#include <cstddef>
#include <string>

constexpr int DIALOG_NUMBER_PRECISION = 15;            // significant digits shown
constexpr std::size_t DIALOG_NUMBER_READ_LIMIT = 31;  // characters of an edit that are read

// "%.*g" with precision 15 in the "C" locale: 5.0 gives "5", 4380125 × 0.0001 gives "438.0125".
// Infinities and NaN come out as printf writes them ("inf", "nan").
std::string FormatDialogNumber(double value);

// Reads the text of a number edit. Only its first 31 bytes count, up to a NUL byte; any
// character outside ASCII already makes the text no number, so bytes and characters agree
// wherever it matters. Blanks and tabs are skipped; the rest is read the way strtod reads it in
// the "C" locale, but as a decimal number only (optional sign, digits, optional point and
// fraction, optional exponent): hexadecimal, "inf" and "nan" are no numbers. Since strtod
// skips all white space itself, a newline or form feed after the blanks is skipped too. A
// result of zero counts only when the first character after the blanks and tabs is '0' (so "0"
// and " 0 " pass, "-0", ".0" and an underflow such as "1e-400" fail). After the number only
// blanks and tabs may follow. An exponent overflow ("1e400") gives ±HUGE_VAL, as strtod does,
// and counts as a number: a range check then refuses it where the edit has one.
// Returns false for a text that is no number, and leaves `value` untouched then.
bool ParseDialogNumber(const std::string &text, double &value);
