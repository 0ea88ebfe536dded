// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The test's side of the line: the simulated device opened as a programmer opens a serial port,
// raw at 2400 8N1, with every wait bounded.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class RawPort {
 public:
  explicit RawPort(const std::string &path);
  ~RawPort() { Close(); }
  RawPort(const RawPort &) = delete;
  RawPort &operator=(const RawPort &) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int OpenError() const { return openError_; }  // errno of a failed open
  void Close();

  bool Send(const Bytes &bytes);

  // Collects bytes until `count` have arrived, `limit` has passed, or the device hung up.
  Bytes Receive(std::size_t count, std::chrono::milliseconds limit);
  bool HungUp() const { return hungUp_; }

 private:
  int fd_ = -1;
  int openError_ = 0;
  bool hungUp_ = false;
};

Bytes ReadRequest();  // FF 00 FF 00
Bytes WriteFrame(const Bytes &image);  // the image and the trailing 0x00
