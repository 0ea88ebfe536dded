// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated radio on its pseudo-terminal: answers read requests, stores write frames and
// plays the chosen fault, until it is told to stop.

#include <optional>
#include <string>

#include "device_link.h"
#include "frame_receiver.h"
#include "memory_files.h"
#include "port_use_watch.h"
#include "pseudo_terminal.h"
#include "reply_plan.h"
#include "sim_options.h"
#include "transmitter.h"

class RadioSimulator {
 public:
  RadioSimulator(const SimOptions &options, const RadioMemory &memory);

  // Opens the device, publishes its path (first line of stdout, and --link) and serves the line
  // until a byte arrives on `stopFd`, --once is satisfied or the hangup fault ends it. Returns
  // the process exit status.
  int Run(int stopFd);

 private:
  enum class Step { CONTINUE, FINISHED, FAILED };

  std::string Setup();
  Step Serve(int stopFd);
  Step ReadLine(SimClock::time_point now);
  Step Handle(const ReceivedFrame &frame, SimClock::time_point now);
  void AnswerReadRequest(SimClock::time_point now);
  void StoreWriteFrame(const ReceivedFrame &frame);
  Step SendReply(SimClock::time_point now);
  void DiscardUnheardBytes();
  void LetTheLineDrain();
  void HangUp();
  void Log(const std::string &event) const;
  void Complain(const std::string &problem) const;

  const SimOptions options_;
  RadioMemory memory_;
  PseudoTerminal terminal_;
  DeviceLink link_;
  PortUseWatch portUse_;
  ReceivedBytesLog framesLog_;
  FrameReceiver receiver_;
  Transmitter transmitter_;
  bool replyActive_ = false;
  bool hangUpAfterReply_ = false;
  bool waitingForWritable_ = false;
};

// The `refuse` fault: publishes a path that exists but cannot be opened as a port, then waits
// for a stop signal. Returns the process exit status.
int RunRefusingRadio(const SimOptions &options, int stopFd);
