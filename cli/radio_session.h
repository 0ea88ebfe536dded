// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio from the command line: the window's port, line settings and frames, but each
// transfer ends on what happens on the line (the last reply byte, a 1000 ms gap, the last frame
// byte leaving) instead of on the window's fixed timers.

#include <QElapsedTimer>

#include <cstddef>
#include <string>

#include "channel_image.h"
#include "history_names.h"
#include "radio_port.h"

class RadioSession {
 public:
  // `portArgument` is COM1, COM2 or a device path (not empty).
  explicit RadioSession(const std::string &portArgument);

  // The device the last transfer opened, or tried to, as messages name it: its path, or
  // "LINK -> DEVICE" for a path that is a link.
  std::string DeviceLabel() const { return port.DeviceLabel(); }

  // Sends the read request and takes the reply, judged as the window judges it (JudgeReply):
  // all 187 bytes, and with `needMarker` byte 179 nonzero. `image` changes only on success;
  // `error` says what went wrong, with the number of bytes that arrived.
  bool Read(ChannelImage &image, bool needMarker, std::string &error);

  // Sends the 188-byte write frame and returns once the driver has put its last byte on the
  // line. The radio never answers, so nothing more can be known here.
  bool Write(const ChannelImage &image, std::string &error);

  // Keeps in the history, as `kind`, what the last transfer moved: the image a Read took, or
  // the frame a Write sent whether or not the radio took it; nothing after a failed Read or a
  // port that did not open. Left to the command, so that its own line comes first and a
  // read-back is kept apart from a read.
  void Keep(HistoryKind kind);

  // Waits until `milliseconds` have passed since the last write frame began.
  void WaitSinceWriteBegan(qint64 milliseconds);

  double LastTransferSeconds() const { return lastTransferSeconds; }

  // True when the last Read or Write failed at the open, before anything reached the line: its
  // error then names the device and why, and needs no more words of the device.
  bool RefusedAtOpen() const { return refusedAtOpen; }

 private:
  bool Open(std::string &error);

  RadioPort port;
  std::string portName;
  QElapsedTimer writeBegan;
  double lastTransferSeconds = 0;
  bool refusedAtOpen = false;
  bool moved = false;  // whether `lastMoved` is what the last transfer moved
  ChannelImage lastMoved;
};
