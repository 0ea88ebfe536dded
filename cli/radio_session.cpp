// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_session.h"

#include <QEventLoop>
#include <QTimer>
#include <termios.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "image_history.h"
#include "port_diagnostics.h"
#include "radio_transfers.h"
#include "reply_judgement.h"

namespace {

// The window's own read window: a reply that has not ended by then is not coming.
constexpr int READ_LIMIT_MS = READ_TIMER_MS;
// 188 bytes take 0.78 s at 2400 baud; a driver that has not taken them in ten times that is
// stuck.
constexpr int HAND_OVER_LIMIT_MS = 8000;

// Connects to `signal`, runs `start`, and waits for the signal at most `limitMs`. True when it
// came; also when `start` itself emitted it, before the loop ran.
template <typename Signal, typename Start>
bool WaitForSignal(RadioPort &port, Signal signal, int limitMs, Start start) {
  bool seen = false;
  QEventLoop loop;
  const QMetaObject::Connection watch = QObject::connect(&port, signal, &loop, [&] {
    seen = true;
    loop.quit();
  });
  QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
  start();
  if (!seen) loop.exec();
  QObject::disconnect(watch);
  return seen;
}

}  // namespace

RadioSession::RadioSession(const std::string &portArgument) {
  if (portArgument == "COM1" || portArgument == "COM2") {
    portName = portArgument;
  } else {
    // A device path goes through the same override the window offers for COM1, so the open
    // itself is the window's: link resolved, other programs' locks honoured, exclusive.
    portName = "COM1";
    qputenv("ZENTOR_COM1", QByteArray::fromStdString(portArgument));
  }
}

bool RadioSession::Open(std::string &error) {
  refusedAtOpen = port.OpenRadioPort(portName) == 0;
  if (!refusedAtOpen) return true;
  error = OpenFailureText(port.DeviceLabel(), port.WhyOpenFailed());
  return false;
}

bool RadioSession::Read(ChannelImage &image, bool needMarker, std::string &error) {
  moved = false;
  if (!Open(error)) return false;
  QElapsedTimer clock;
  clock.start();
  // Cleared so that a reply cut short can never pass with bytes of an earlier one.
  port.receiveBuffer.fill(0);
  WaitForSignal(port, &RadioPort::replyEnded, READ_LIMIT_MS, [this] {
    port.StartPortWrite(readRequest.data(), static_cast<int>(readRequest.size()));
    port.StartReplyRead();
  });
  lastTransferSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  const std::size_t arrived = port.ReplyLength();
  port.CloseRadioPort();

  switch (JudgeReply(port.receiveBuffer, arrived, needMarker)) {
    case ReplyFault::NONE:
      ReplaceImage(image, port.receiveBuffer.data());
      lastMoved = image;
      moved = true;
      return true;
    case ReplyFault::ZERO_MARKER:
      error = "the radio answered 187 bytes, but byte 179 (the reply marker) is 0";
      return false;
    case ReplyFault::NO_REPLY:
    case ReplyFault::CUT_SHORT:
      break;
  }
  error = "the radio answered " + std::to_string(arrived) + " of " + std::to_string(REPLY_SIZE) + " bytes" +
          (arrived == 0 ? ": is it on, and the cable in?" : "");
  return false;
}

bool RadioSession::Write(const ChannelImage &image, std::string &error) {
  moved = false;
  if (!Open(error)) return false;
  std::array<std::uint8_t, WRITE_FRAME_SIZE> frame{};
  std::copy(image.bytes.begin(), image.bytes.end(), frame.begin());
  frame[IMAGE_SIZE] = 0x00;

  writeBegan.start();
  const bool handedOver = WaitForSignal(port, &RadioPort::writeHandedOver, HAND_OVER_LIMIT_MS, [&] {
    port.StartPortWrite(frame.data(), static_cast<int>(frame.size()));
  });

  // The driver has the bytes; tcdrain returns once they have left the line, which is when the
  // radio has them all. Nothing else runs here, so blocking is harmless.
  bool drained = handedOver;
  int drainError = 0;
  if (handedOver && ::tcdrain(port.portHandle.handle()) != 0) {
    drained = false;
    drainError = errno;
  }
  lastTransferSeconds = static_cast<double>(writeBegan.nsecsElapsed()) / 1e9;
  const bool fellShort = port.WriteFellShort();
  port.CloseRadioPort();
  lastMoved = image;
  moved = true;
  if (!handedOver || fellShort) {
    error = "the port did not take the whole write frame within " +
            std::to_string(HAND_OVER_LIMIT_MS / 1000) + " s";
    return false;
  }
  if (!drained) {
    error = std::string("the write frame may not have left the port: ") + std::strerror(drainError);
    return false;
  }
  return true;
}

void RadioSession::Keep(HistoryKind kind) {
  if (moved) KeepInHistory(kind, port.DevicePath(), lastMoved);
  moved = false;
}

void RadioSession::WaitSinceWriteBegan(qint64 milliseconds) {
  const qint64 left = milliseconds - writeBegan.elapsed();
  if (left <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
  loop.exec();
}
