// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_transfers.h"


#include <algorithm>

#include "channel_rules.h"
#include "diagnostic_line.h"
#include "image_history.h"
#include "link_messages.h"
#include "port_diagnostics.h"
#include "reply_judgement.h"

RadioTransfers::RadioTransfers(EditorState &state, RadioPort &port, TransferWindow &transferWindow,
                               std::ostream &diagnosticStream)
    : editor(state), radio(port), window(transferWindow), diagnostics(diagnosticStream) {}

void RadioTransfers::OnReadClicked() {
  if (currentState != LinkState::Idle) {
    return;
  }
  currentState = LinkState::Reading;
  transferPort = editor.portName;
  if (radio.OpenRadioPort(transferPort) == 0) {
    ReportOpenFailure();
    radio.CloseRadioPort();
    window.ShowMessage(MSG_READ_OPEN_FAILED);
    currentState = LinkState::Idle;
    return;
  }
  radio.StartPortWrite(readRequest.data(), static_cast<int>(readRequest.size()));
  // Cleared, so that nothing of an earlier reply is ever taken for part of this one.
  radio.receiveBuffer.fill(0);
  radio.StartReplyRead();
  window.SetTimer(READ_TIMER, READ_TIMER_MS);
}

void RadioTransfers::OnWriteClicked() {
  if (currentState != LinkState::Idle) {
    return;
  }
  currentState = LinkState::Writing;
  if (!ValidateAllChannels(editor, window)) {
    currentState = LinkState::Idle;
    return;
  }
  transferPort = editor.portName;
  if (radio.OpenRadioPort(transferPort) == 0) {
    ReportOpenFailure();
    radio.CloseRadioPort();
    window.ShowMessage(MSG_WRITE_OPEN_FAILED);
    currentState = LinkState::Idle;
    return;
  }
  // The frame is the image as it stands now; the port copies it, so edits made while the frame
  // is on its way never reach the radio.
  std::array<std::uint8_t, WRITE_FRAME_SIZE> writeFrame{};
  std::copy(editor.image.bytes.begin(), editor.image.bytes.end(), writeFrame.begin());
  writeFrame[IMAGE_SIZE] = 0x00;
  sentImage = editor.image;
  radio.StartPortWrite(writeFrame.data(), static_cast<int>(writeFrame.size()));
  window.SetTimer(WRITE_TIMER, WRITE_TIMER_MS);
}

void RadioTransfers::OnTimer(int /*timerId*/) {
  if (currentState == LinkState::Reading) {
    EndRead();
  } else if (currentState == LinkState::Writing) {
    EndWrite();
  }
  ShowChannelOne();
}

void RadioTransfers::OnClose() {
  window.KillTimer(READ_TIMER);
  window.KillTimer(WRITE_TIMER);
  // The frame is on its way and the write will never be judged: keep what was sent all the same.
  if (currentState == LinkState::Writing) {
    KeepInHistory(HistoryKind::WRITE, radio.DevicePath(), sentImage, diagnostics);
  }
}

void RadioTransfers::TakeImage(const ChannelImage &image) {
  if (currentState != LinkState::Idle) {
    return;
  }
  editor.image = image;
  ShowChannelOne();
}

void RadioTransfers::EndRead() {
  window.KillTimer(READ_TIMER);
  radio.CloseRadioPort();
  const ReplyFault fault = JudgeReply(radio.receiveBuffer, radio.ReplyLength());
  if (fault != ReplyFault::NONE) {
    Report(ReadFailureLine(transferPort, radio.DeviceLabel(), fault, radio.ReplyLength(), REPLY_SIZE));
    window.ShowMessage(MSG_READ_FAILED);
  } else {
    ReplaceImage(editor.image, radio.receiveBuffer.data());
    KeepInHistory(HistoryKind::READ, radio.DevicePath(), editor.image, diagnostics);
    // Back to zero, so that the next read with no radio answering cannot pass on this reply.
    radio.receiveBuffer[REPLY_MARKER_OFFSET] = 0;
    window.ShowMessage(MSG_READ_DONE);
  }
  currentState = LinkState::Idle;
}

void RadioTransfers::EndWrite() {
  window.KillTimer(WRITE_TIMER);
  // The radio never answers a frame, but a port that failed to write or has not yet passed the
  // whole frame to its driver has certainly not delivered it.
  const bool fellShort = radio.WriteFellShort();
  if (fellShort) {
    Report(ShortWriteLine(transferPort, radio.DeviceLabel(), radio.BytesHandedOver(), WRITE_FRAME_SIZE));
  }
  KeepInHistory(HistoryKind::WRITE, radio.DevicePath(), sentImage, diagnostics);
  window.ShowMessage(fellShort ? MSG_WRITE_FAILED : MSG_WRITE_DONE);
  // Only now: the port stays open while the message is on screen, giving the frame that long
  // to leave the driver, and after it until the last byte has gone.
  radio.CloseRadioPortWhenDrained();
  currentState = LinkState::Idle;
}

void RadioTransfers::ShowChannelOne() {
  // Loaded without storing first: after a read, edits on screen belong to an image that has
  // just been replaced, so every transfer end drops them alike.
  editor.currentChannel = 0;
  window.SelectChannelInList(0);
  LoadWorkingChannel(editor);
  window.ShowWorkingChannel();
}

void RadioTransfers::ReportOpenFailure() {
  if (radio.DevicePath().empty()) {
    Report(transferPort + ": no such port");
    return;
  }
  Report(OpenFailureLine(transferPort, radio.DeviceLabel(), radio.WhyOpenFailed()));
}

void RadioTransfers::Report(const std::string &line) { WriteDiagnosticLine(diagnostics, line); }
