// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the read and write transfers, exactly as the user sees them.

constexpr const char *MSG_READ_OPEN_FAILED = "创建通信失败";
constexpr const char *MSG_READ_FAILED = "读数据出错";
constexpr const char *MSG_READ_DONE = "数据已从对讲机中读出";
constexpr const char *MSG_WRITE_OPEN_FAILED = "建立通信文件失败";
constexpr const char *MSG_WRITE_FAILED = "写数据出错";
constexpr const char *MSG_WRITE_DONE = "数据已写入对讲机";
