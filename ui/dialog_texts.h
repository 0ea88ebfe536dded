// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the editor window and the About box that is not a control's template text, as
// the user sees it.

constexpr const char *EDITOR_CAPTION = "VarnikZENTOR写频软件";

// List items.
constexpr const char *SQUELCH_LEVEL_TEXTS[] = {"0级", "1级", "2级", "3级", "4级",
                                               "5级", "6级", "7级", "8级", "9级"};
constexpr const char *CHANNEL_TEXT_SUFFIX = "频道";  // after the two-digit channel number
constexpr const char *PORT_TEXTS[] = {"COM1", "COM2"};
constexpr const char *SPACING_TEXTS[] = {"12.5Khz", "25Khz"};

// About box, template 100.
constexpr const char *ABOUT_CAPTION = "关于 zentor";
constexpr const char *ABOUT_VERSION_TEXT = "zentor 1.0 版";
constexpr const char *ABOUT_NOTICE_TEXT = "版权所有 (C) 2024 Varnik 通信";
constexpr const char *ABOUT_OK_TEXT = "确定";

// String resources.
constexpr int IDS_ABOUTBOX = 101;
constexpr const char *ABOUT_MENU_TEXT = "关于 zentor(&A)...";
// The text of a string resource, or "" when there is none with that id.
const char *LoadStringResource(int id);

// Image files, from the system menu or Ctrl+S / Ctrl+O: the radio's 187 bytes as they are.
constexpr const char *SAVE_FILE_MENU_TEXT = "保存到文件(&S)...\tCtrl+S";
constexpr const char *OPEN_FILE_MENU_TEXT = "从文件读入(&O)...\tCtrl+O";
constexpr const char *SAVE_FILE_CAPTION = "保存到文件";
constexpr const char *OPEN_FILE_CAPTION = "从文件读入";
// New files end in .img, as zentor-cli's and the history's do; files saved as .bin by earlier
// releases stay in view.
constexpr const char *IMAGE_FILE_FILTER = "写频文件 (*.img *.bin);;所有文件 (*)";
constexpr const char *IMAGE_FILE_SUFFIX = "img";
// The history's folder in the Open dialog's sidebar.
constexpr const char *HISTORY_PLACE_NAME = "历史记录";
// The first two are followed by the system's reason on a line of its own.
constexpr const char *MSG_SAVE_FILE_FAILED = "保存文件出错";
constexpr const char *MSG_OPEN_FILE_FAILED = "读文件出错";
constexpr const char *MSG_OPEN_FILE_WRONG_SIZE = "不是写频文件：文件应为187字节";
