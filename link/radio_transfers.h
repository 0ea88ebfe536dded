// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the radio's memory into the editor and writing the edited memory back. A click starts
// a transfer; a window timer ends it after a fixed time and judges it by what has arrived.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "radio_port.h"
#include "validation_window.h"
#include "working_channel.h"

enum class LinkState { Idle = 0, Reading = 128, Writing = 255 };

// A buffer of its own: the request is never built inside the image.
constexpr std::array<std::uint8_t, 4> readRequest = {0xFF, 0x00, 0xFF, 0x00};

constexpr int READ_TIMER = 1;
constexpr int READ_TIMER_MS = 2000;
constexpr int WRITE_TIMER = 2;
constexpr int WRITE_TIMER_MS = 1000;

constexpr std::size_t WRITE_FRAME_SIZE = IMAGE_SIZE + 1;  // the image, then one byte 0x00

// What the transfers need from the editor window beyond the validation pass.
class TransferWindow : public ValidationWindow {
 public:
  // Starts window timer `id`; it fires every `milliseconds` until killed.
  virtual void SetTimer(int id, int milliseconds) = 0;
  // Stops window timer `id`; stopping a timer that is not running is harmless.
  virtual void KillTimer(int id) = 0;
};

class RadioTransfers {
 public:
  // `diagnostics` gets one line for each failure, saying what the message box cannot: which
  // device, and why.
  RadioTransfers(EditorState &state, RadioPort &port, TransferWindow &window,
                 std::ostream &diagnostics = std::cerr);

  void OnReadClicked();
  void OnWriteClicked();
  // The id is not examined: the link state decides which transfer the event ends.
  void OnTimer(int timerId);
  void OnClose();
  // An image from elsewhere (a file) takes the place of the editor's, as a successful read's
  // does: channel 1 becomes current, loaded and shown without a store. Only while Idle, like a
  // click on Read; ignored otherwise.
  void TakeImage(const ChannelImage &image);

  LinkState linkState() const { return currentState; }

 private:
  void EndRead();
  void EndWrite();
  void ShowChannelOne();
  void ReportOpenFailure();
  void Report(const std::string &line);

  EditorState &editor;
  RadioPort &radio;
  TransferWindow &window;
  std::ostream &diagnostics;
  std::string transferPort;  // the port of the transfer; a change in the list counts from the next
  ChannelImage sentImage;    // what the write in progress sent, for the history
  LinkState currentState = LinkState::Idle;
};
