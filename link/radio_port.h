#pragma once
// The serial port to the radio's programming cable: opened for one transfer, set to the radio's
// line parameters, driven without ever waiting, and closed when the transfer's timer ends it.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "channel_image.h"

constexpr qint32 RADIO_BAUD_RATE = 2400;
constexpr std::size_t REPLY_SIZE = IMAGE_SIZE;  // the radio answers with its whole image
// The original port's read interval time-out: a reply whose next byte is this late has ended.
constexpr int REPLY_GAP_MS = 1000;

class RadioPort : public QObject {
  Q_OBJECT

 public:
  explicit RadioPort(QObject *parent = nullptr);
  ~RadioPort() override;

  // 1 when the device behind `portName` is open (exclusively) and set to 2400 8N1, 0 when it
  // could not be opened. Whether the device took each setting is not examined.
  int OpenRadioPort(const std::string &portName);

  // Queues `count` bytes for sending and returns at once. The bytes are copied at the call.
  void StartPortWrite(const std::uint8_t *bytes, int count);

  // From now on, reply byte k lands at receiveBuffer[k], for k below REPLY_SIZE; what follows
  // is dropped. Returns at once.
  void StartReplyRead();

  // Ends every transfer in progress. Once it returns, receiveBuffer changes no more. Harmless
  // when the port is not open.
  void CloseRadioPort();

  // True when, since the last open, the port reported a write error or has not yet handed every
  // queued byte to the driver. The radio never acknowledges a frame; this is all we can know.
  bool WriteFellShort() const;

  // Reply bytes placed in receiveBuffer since the last StartReplyRead.
  std::size_t ReplyLength() const { return replyLength; }

  std::array<std::uint8_t, REPLY_SIZE> receiveBuffer{};
  QSerialPort portHandle;  // open from a successful OpenRadioPort until CloseRadioPort

 signals:
  // Once per StartReplyRead: when the last reply byte has landed, or when REPLY_GAP_MS passed
  // after a byte without another. The window ends its transfers on its timers and ignores
  // both; the command line ends on them.
  void replyEnded();
  // Every byte queued by StartPortWrite has been handed to the driver.
  void writeHandedOver();

 private:
  void EndReply();

  void OnReadyRead();
  void OnBytesWritten(qint64 count);
  void OnPortError(QSerialPort::SerialPortError error);

  bool replyReadActive = false;
  bool replyEndSignalled = false;
  std::size_t replyLength = 0;  // reply bytes placed in receiveBuffer so far
  qint64 bytesQueued = 0;
  qint64 bytesHanded = 0;
  bool writeErrorSeen = false;
  QTimer replyGap;
};
