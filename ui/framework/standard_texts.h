// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog framework's own texts, as the Chinese edition of Windows shows them: the data
// exchange's standard messages and the system menu's standard items.

// Messages of the data exchange.
constexpr const char *NOT_A_NUMBER_MESSAGE = "请键入一个数。";
constexpr const char *NUMBER_RANGE_MESSAGE = "“请填入一个在%1和%2之间的数字。”";
constexpr const char *TEXT_TOO_LONG_MESSAGE = "“请填入不多于%1个的字符。”";

// The window's system menu, as the Chinese edition of Windows names it and its commands.
constexpr const char *SYSTEM_MENU_NAME = "系统";
constexpr const char *SYSTEM_MENU_RESTORE_TEXT = "还原(&R)";
constexpr const char *SYSTEM_MENU_MOVE_TEXT = "移动(&M)";
constexpr const char *SYSTEM_MENU_SIZE_TEXT = "大小(&S)";
constexpr const char *SYSTEM_MENU_MINIMIZE_TEXT = "最小化(&N)";
constexpr const char *SYSTEM_MENU_MAXIMIZE_TEXT = "最大化(&X)";
constexpr const char *SYSTEM_MENU_CLOSE_TEXT = "关闭(&C)";
