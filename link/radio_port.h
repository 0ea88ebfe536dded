// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial port to the radio's programming cable: opened for one transfer, set to the radio's
// line parameters, driven without ever waiting, and closed when the transfer's timer ends it.

#include <QDeadlineTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "channel_image.h"
#include "port_device.h"
#include "port_diagnostics.h"

constexpr qint32 RADIO_BAUD_RATE = 2400;
constexpr std::size_t REPLY_SIZE = IMAGE_SIZE;  // the radio answers with its whole image
// Once a reply byte has arrived, a silence this long ends the read.
constexpr int REPLY_GAP_MS = 1000;
// The longest a close waits for queued bytes to leave: more than twice the 0.78 s that the
// 188-byte write frame takes on the line at 2400 baud.
constexpr int DRAIN_LIMIT_MS = 2000;

class RadioPort : public QObject {
  Q_OBJECT

 public:
  explicit RadioPort(QObject *parent = nullptr);
  ~RadioPort() override;

  // 1 when the device behind `portName` is open (exclusively) and set to 2400 8N1, 0 when it
  // could not be opened: also when a lock file on it refuses the port (CheckPortLocks), whatever
  // Qt's own lock would make of it; the device is then not opened at all. A stale lock where
  // Qt's lock goes is removed first. A device that refuses a line setting counts as not opened.
  int OpenRadioPort(const std::string &portName);

  // The device the last open tried (empty for a name that is no port), with the link it was
  // named by (PortDeviceLabel), and why it failed.
  const std::string &DevicePath() const { return device.path; }
  std::string DeviceLabel() const { return PortDeviceLabel(device); }
  const std::string &OpenErrorText() const { return openErrorText; }
  OpenFailure WhyOpenFailed() const;

  // Where the USB serial devices' stable names are looked up (port_device.h); tests use their own.
  void SetSerialByIdFolder(const std::string &folder) { serialByIdFolder = folder; }
  const std::string &SerialByIdFolder() const { return serialByIdFolder; }
  // Where other programs' lock files are looked for (port_lock_holder.h); tests use their own.
  void SetLockFolders(const std::vector<std::string> &folders) { lockFolders = folders; }

  // Queues `count` bytes for sending and returns at once. The bytes are copied at the call.
  void StartPortWrite(const std::uint8_t *bytes, int count);

  // From now on, reply byte k lands at receiveBuffer[k], for k below REPLY_SIZE. The read ends
  // at the REPLY_SIZE-th byte, or when REPLY_GAP_MS pass after a byte without the next one;
  // whatever arrives after its end is dropped. Returns at once.
  void StartReplyRead();

  // Reply bytes placed in receiveBuffer since the last StartReplyRead.
  std::size_t ReplyLength() const { return replyLength; }

  // Ends every transfer in progress. Once it returns, receiveBuffer changes no more. Harmless
  // when the port is not open.
  void CloseRadioPort();
  // The same, but the port closes only once every byte queued for sending has left the driver,
  // or DRAIN_LIMIT_MS have passed: the close puts the line back to its old settings at once, and
  // a byte still queued would go out at another speed. Returns at once; waits on the event loop,
  // and the next open, or CloseRadioPort, closes at once.
  void CloseRadioPortWhenDrained();

  // True when, since the last open, the port reported a write error or has not yet handed every
  // queued byte to the driver. The radio never acknowledges a frame; this is all we can know.
  bool WriteFellShort() const;
  // Bytes handed to the driver since the last open.
  std::size_t BytesHandedOver() const { return static_cast<std::size_t>(bytesHanded); }

  std::array<std::uint8_t, REPLY_SIZE> receiveBuffer{};
  QSerialPort portHandle;  // open from a successful OpenRadioPort until CloseRadioPort

 signals:
  // Once per StartReplyRead, when its read ends by size or by the gap; never after a close.
  void replyEnded();
  // Every byte queued since the open has been handed to the driver.
  void writeHandedOver();

 private:
  enum class ReplyRead { NONE, RUNNING, ENDED };

  void OnReadyRead();
  void EndReplyRead();
  void OnBytesWritten(qint64 count);
  void OnPortError(QSerialPort::SerialPortError error);
  void CloseIfDrained();
  PortLocks CheckDeviceLocks(StaleLock stale) const;

  std::string serialByIdFolder;
  std::vector<std::string> lockFolders;
  PortDevice device;
  std::string openErrorText;
  std::optional<OpenFailure> lockRefusal;  // how a lock file refused the last open
  QTimer replyGapTimer;
  QTimer drainTimer;  // polls the queues while CloseRadioPortWhenDrained waits
  QDeadlineTimer drainDeadline;
  ReplyRead replyRead = ReplyRead::NONE;
  std::size_t replyLength = 0;  // reply bytes placed in receiveBuffer so far
  qint64 bytesQueued = 0;
  qint64 bytesHanded = 0;
  bool writeErrorSeen = false;
};
