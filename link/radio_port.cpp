// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_port.h"

#include <sys/ioctl.h>

#include <QString>

namespace {

// Stands for the 1024-byte driver receive queue of the original port: bytes that arrive while
// no reply read is running wait here, and a device that talks without being asked cannot make
// the program hold more than this.
constexpr qint64 RECEIVE_QUEUE_SIZE = 1024;
// Two or three bytes' time on the line at 2400 baud: the close follows the last byte closely.
constexpr int DRAIN_POLL_MS = 10;

}  // namespace

RadioPort::RadioPort(QObject *parent)
    : QObject(parent), serialByIdFolder(SERIAL_BY_ID_FOLDER), lockFolders(SerialLockFolders()) {
  connect(&portHandle, &QSerialPort::readyRead, this, &RadioPort::OnReadyRead);
  connect(&portHandle, &QSerialPort::bytesWritten, this, &RadioPort::OnBytesWritten);
  connect(&portHandle, &QSerialPort::errorOccurred, this, &RadioPort::OnPortError);
  // The interval time-out of the original port, which ends a read at the first silence of a
  // second once the reply has begun: a reply that pauses is cut there, never completed later.
  replyGapTimer.setSingleShot(true);
  replyGapTimer.setInterval(REPLY_GAP_MS);
  replyGapTimer.setTimerType(Qt::PreciseTimer);
  connect(&replyGapTimer, &QTimer::timeout, this, &RadioPort::EndReplyRead);
  drainTimer.setInterval(DRAIN_POLL_MS);
  connect(&drainTimer, &QTimer::timeout, this, &RadioPort::CloseIfDrained);
}

RadioPort::~RadioPort() { CloseRadioPort(); }

int RadioPort::OpenRadioPort(const std::string &portName) {
  CloseRadioPort();
  replyLength = 0;
  bytesQueued = 0;
  bytesHanded = 0;
  writeErrorSeen = false;

  openErrorText.clear();
  lockRefusal.reset();
  device = LookUpPortDevice(portName, serialByIdFolder);
  if (device.path.empty()) {
    openErrorText = "no such port";
    return 0;
  }
  // Asked before Qt is: Qt's own lock (a QLockFile) takes a lock file it cannot read, such as
  // the classic "      1234\n" of minicom or picocom, for stale once it is half a minute old,
  // deletes it and opens the device under the holder's feet; it deletes one whose PID it cannot
  // see, also where that PID lives in another PID namespace; and it waits forever on a FIFO.
  lockRefusal = LockRefusal(CheckDeviceLocks(StaleLock::REMOVE));
  if (lockRefusal) {
    openErrorText = lockRefusal->reason;
    return 0;
  }
  // Qt 6 takes the device exclusively at the open: a lock file (LCK..name in the system's lock
  // directory) keeps out every program that honours it, and TIOCEXCL on the descriptor makes
  // any further open(2) fail with EBUSY for all but privileged processes. The device's own path,
  // never the link's, so that the lock file is the one every other program looks for.
  portHandle.setPortName(QString::fromStdString(device.path));
  if (!portHandle.open(QIODevice::ReadWrite)) {
    openErrorText = portHandle.errorString().toStdString();
    // Qt's words name no lock file, and another program may have taken its lock since the look
    // above, Qt finding it still empty, say: the lock files say it better.
    lockRefusal = LockRefusal(CheckDeviceLocks(StaleLock::KEEP));
    return 0;
  }

  // On Win32 the open also set 1024-byte driver queues and five read/write time-outs. Linux has
  // no counterpart for them; the reply gap is replyGapTimer, and the rest holds here by
  // construction: nothing ever waits on the port (transfers ride on the event loop's notifiers),
  // a transfer ends at its window timer with CloseRadioPort, and once that returns nothing
  // reaches receiveBuffer.
  //
  // Qt opens the device in raw mode (no echo, no line editing, no character translation) and
  // flow control goes off below, so every byte value 0x00 to 0xFF passes unchanged both ways.
  // A device that refuses a setting does not count as open: bytes sent at another speed or
  // framing would reach the radio as values nobody chose. A device error here has also closed
  // the port already (OnPortError).
  const bool lineSet = portHandle.setBaudRate(RADIO_BAUD_RATE) && portHandle.setDataBits(QSerialPort::Data8) &&
                       portHandle.setParity(QSerialPort::NoParity) && portHandle.setStopBits(QSerialPort::OneStop) &&
                       portHandle.setFlowControl(QSerialPort::NoFlowControl);
  if (!lineSet || !portHandle.isOpen()) {
    openErrorText = "the line could not be set to 2400 baud 8N1: " + portHandle.errorString().toStdString();
    CloseRadioPort();
    return 0;
  }
  portHandle.setReadBufferSize(RECEIVE_QUEUE_SIZE);

  // A late reply to an earlier transfer may still sit in the driver; it must not pass for the
  // answer to this one.
  static_cast<void>(portHandle.clear(QSerialPort::Input));
  return 1;
}

void RadioPort::StartPortWrite(const std::uint8_t *bytes, int count) {
  if (!portHandle.isOpen() || bytes == nullptr || count <= 0) {
    return;
  }
  bytesQueued += count;
  // QIODevice::write copies into the port's own buffer and returns; the notifier hands the
  // bytes to the driver as it takes them.
  if (portHandle.write(reinterpret_cast<const char *>(bytes), count) != count) {
    writeErrorSeen = true;
  }
}

void RadioPort::StartReplyRead() {
  if (!portHandle.isOpen()) {
    return;
  }
  replyGapTimer.stop();
  replyLength = 0;
  replyRead = ReplyRead::RUNNING;
  OnReadyRead();  // bytes that came before the read started belong to the reply
}

void RadioPort::CloseRadioPort() {
  replyGapTimer.stop();
  drainTimer.stop();
  replyRead = ReplyRead::NONE;
  if (portHandle.isOpen()) {
    portHandle.close();  // drops Qt's buffers with the descriptor: no readyRead can follow
  }
}

void RadioPort::CloseRadioPortWhenDrained() {
  replyGapTimer.stop();
  replyRead = ReplyRead::NONE;
  drainDeadline.setRemainingTime(DRAIN_LIMIT_MS);
  CloseIfDrained();
  if (portHandle.isOpen()) {
    drainTimer.start();
  }
}

void RadioPort::CloseIfDrained() {
  // Every byte handed to the driver, as Qt confirms it, and then gone from the driver's queue.
  int queued = 0;
  const bool driverEmpty = ioctl(portHandle.handle(), TIOCOUTQ, &queued) != 0 || queued <= 0;
  if ((bytesHanded >= bytesQueued && driverEmpty) || drainDeadline.hasExpired()) {
    CloseRadioPort();
  }
}

PortLocks RadioPort::CheckDeviceLocks(StaleLock stale) const {
  // The lock under the link's name counts too: a Qt program that opened the device by the link
  // locked it under that name. Qt's own lock goes under the device's name, so only that is ours
  // to clear.
  PortLocks locks = CheckPortLocks(device.path, lockFolders, stale);
  if (locks.state == LockState::FREE && !device.link.empty()) {
    locks = CheckPortLocks(device.link, lockFolders);
  }
  return locks;
}

OpenFailure RadioPort::WhyOpenFailed() const {
  if (lockRefusal) {
    return *lockRefusal;
  }
  return DiagnoseOpenFailure(device.path, openErrorText, lockFolders);
}

bool RadioPort::WriteFellShort() const { return writeErrorSeen || bytesHanded < bytesQueued; }

void RadioPort::OnReadyRead() {
  if (replyRead == ReplyRead::RUNNING && portHandle.isOpen()) {
    char *destination = reinterpret_cast<char *>(receiveBuffer.data() + replyLength);
    const qint64 got = portHandle.read(destination, static_cast<qint64>(REPLY_SIZE - replyLength));
    if (got > 0) {
      replyLength += static_cast<std::size_t>(got);
      if (replyLength == REPLY_SIZE) {
        EndReplyRead();
      } else {
        replyGapTimer.start();
      }
    }
  }
  // Whatever follows the end of the read is not the reply, and a radio that sends more than its
  // image cannot reach past receiveBuffer: it goes. Checked afresh, since whoever heard
  // replyEnded may have closed the port or started the next read.
  if (replyRead != ReplyRead::ENDED) {
    return;
  }
  std::array<char, 64> surplus{};
  while (portHandle.isOpen() && portHandle.bytesAvailable() > 0) {
    if (portHandle.read(surplus.data(), static_cast<qint64>(surplus.size())) <= 0) {
      break;
    }
  }
}

void RadioPort::EndReplyRead() {
  if (replyRead != ReplyRead::RUNNING) {
    return;
  }
  replyGapTimer.stop();
  replyRead = ReplyRead::ENDED;
  emit replyEnded();
}

void RadioPort::OnBytesWritten(qint64 count) {
  bytesHanded += count;
  if (bytesQueued > 0 && bytesHanded >= bytesQueued) {
    emit writeHandedOver();
  }
}

void RadioPort::OnPortError(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::WriteError:
      writeErrorSeen = true;
      [[fallthrough]];
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
      // Once the device has gone (cable pulled, pseudo-terminal hung up) Qt reports it again on
      // every turn of the event loop for as long as the port stays open, hundreds of thousands
      // of times a second. One report is enough: all traffic stops here, and the transfer ends
      // at its timer like any other that got no answer.
      CloseRadioPort();
      break;
    default:
      break;
  }
}
