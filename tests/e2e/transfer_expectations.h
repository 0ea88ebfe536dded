// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the end-to-end tests expect to see on the line and on screen, written out as the user
// and the radio see it.

#include <string>

#include "radio_memories.h"

inline const std::string READ_DONE = "数据已从对讲机中读出";
inline const std::string READ_FAILED = "读数据出错";
inline const std::string READ_OPEN_FAILED = "创建通信失败";
inline const std::string WRITE_DONE = "数据已写入对讲机";
inline const std::string WRITE_OPEN_FAILED = "建立通信文件失败";

inline Bytes ReadRequestBytes() { return {0xFF, 0x00, 0xFF, 0x00}; }

// The 188-byte write frame: the memory, then one byte 0x00.
inline Bytes WriteFrameOf(const Bytes &memory) {
  Bytes frame = memory;
  frame.push_back(0x00);
  return frame;
}

inline Bytes Joined(Bytes first, const Bytes &second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}
