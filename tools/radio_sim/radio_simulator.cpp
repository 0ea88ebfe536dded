// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_simulator.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// How long the simulator, before it lets go of the device, waits for the programmer to take the
// bytes already sent: closing the master loses whatever is still in the line, so without the
// wait a reader would see whatever the kernel happened to have delivered.
constexpr std::chrono::milliseconds LINE_DRAIN_LIMIT{1000};

// Nanoseconds, not poll()'s milliseconds: rounding each 4.17 ms byte time up to 5 ms would make
// a paced reply a fifth slower than the real line.
std::optional<timespec> TimeUntil(std::optional<SimClock::time_point> when, SimClock::time_point now) {
  if (!when) return std::nullopt;
  const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(*when - now, SimClock::duration{0}));
  timespec timeout{};
  timeout.tv_sec = static_cast<time_t>(wait.count() / 1000000000);
  timeout.tv_nsec = static_cast<long>(wait.count() % 1000000000);
  return timeout;
}

std::optional<SimClock::time_point> Earliest(std::optional<SimClock::time_point> a,
                                             std::optional<SimClock::time_point> b) {
  if (!a) return b;
  if (!b) return a;
  return std::min(*a, *b);
}

bool StopRequested(int stopFd) {
  pollfd stop{stopFd, POLLIN, 0};
  return ::poll(&stop, 1, 0) > 0;
}

}  // namespace

RadioSimulator::RadioSimulator(const SimOptions &options, const RadioMemory &memory)
    : options_(options), memory_(memory), transmitter_(options.pacing) {}

void RadioSimulator::Log(const std::string &event) const {
  if (options_.verbose) std::fprintf(stderr, "zentor-radio-sim: %s\n", event.c_str());
}

void RadioSimulator::Complain(const std::string &problem) const {
  std::fprintf(stderr, "zentor-radio-sim: %s\n", problem.c_str());
}

std::string RadioSimulator::Setup() {
  if (!options_.framesPath.empty()) {
    if (std::string error = framesLog_.Open(options_.framesPath); !error.empty()) return error;
  }
  if (std::string error = terminal_.Open(); !error.empty()) return error;
  if (std::string error = portUse_.Start(terminal_.SlavePath()); !error.empty()) {
    Complain(error + " (replies sent after the programmer closed the port stay in the line)");
  }
  if (!options_.linkPath.empty()) {
    if (std::string error = link_.Publish(options_.linkPath, terminal_.SlavePath()); !error.empty()) {
      return error;
    }
  }
  std::printf("%s\n", terminal_.SlavePath().c_str());
  std::fflush(stdout);
  Log("listening on " + terminal_.SlavePath() + (options_.pacing ? " at 2400 baud" : " without pacing") +
      ", fault " + FaultName(options_.fault));
  return {};
}

int RadioSimulator::Run(int stopFd) {
  if (std::string error = Setup(); !error.empty()) {
    Complain(error);
    return 1;
  }
  const Step end = Serve(stopFd);
  link_.Remove();
  return end == Step::FAILED ? 1 : 0;
}

RadioSimulator::Step RadioSimulator::Serve(int stopFd) {
  for (;;) {
    SimClock::time_point now = SimClock::now();
    const std::optional<SimClock::time_point> replyDue =
        waitingForWritable_ ? std::nullopt : transmitter_.NextDue();
    const std::optional<timespec> timeout = TimeUntil(Earliest(receiver_.ExpiryTime(), replyDue), now);

    const short lineEvents = static_cast<short>(POLLIN | (waitingForWritable_ ? POLLOUT : 0));
    pollfd watched[3] = {{terminal_.MasterFd(), lineEvents, 0}, {stopFd, POLLIN, 0}, {portUse_.Fd(), POLLIN, 0}};
    const nfds_t count = portUse_.Watching() ? 3 : 2;
    if (::ppoll(watched, count, timeout ? &*timeout : nullptr, nullptr) < 0) {
      if (errno == EINTR) continue;
      Complain(std::string("poll: ") + std::strerror(errno));
      return Step::FAILED;
    }
    if (watched[1].revents != 0) {
      Log("stop signal received");
      return Step::FINISHED;
    }
    now = SimClock::now();
    if (count == 3 && watched[2].revents != 0 && portUse_.Update()) {
      Log("the programmer closed the port");
      DiscardUnheardBytes();
    }
    if (watched[0].revents & POLLOUT) waitingForWritable_ = false;
    if (watched[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      if (const Step step = ReadLine(now); step != Step::CONTINUE) return step;
    }
    if (const std::size_t dropped = receiver_.ExpirePartial(now); dropped > 0) {
      Log("dropped " + std::to_string(dropped) + " bytes of an incomplete frame after a silence");
    }
    while (const std::optional<ReceivedFrame> frame = receiver_.Next()) {
      if (const Step step = Handle(*frame, now); step != Step::CONTINUE) return step;
    }
    if (const Step step = SendReply(now); step != Step::CONTINUE) return step;
  }
}

RadioSimulator::Step RadioSimulator::ReadLine(SimClock::time_point now) {
  std::uint8_t buffer[4096];
  const ssize_t got = ::read(terminal_.MasterFd(), buffer, sizeof buffer);
  if (got < 0) {
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return Step::CONTINUE;
    Complain(std::string("reading the line: ") + std::strerror(errno));
    return Step::FAILED;
  }
  const auto length = static_cast<std::size_t>(got);
  if (std::string error = framesLog_.Append(buffer, length); !error.empty()) Complain(error);
  if (const std::size_t dropped = receiver_.Feed(buffer, length, now); dropped > 0) {
    Log("dropped " + std::to_string(dropped) + " bytes of an incomplete frame after a silence");
  }
  return Step::CONTINUE;
}

RadioSimulator::Step RadioSimulator::Handle(const ReceivedFrame &frame, SimClock::time_point now) {
  if (frame.kind == FrameKind::WRITE_FRAME) {
    StoreWriteFrame(frame);
    return options_.once ? Step::FINISHED : Step::CONTINUE;
  }
  AnswerReadRequest(now);
  // An unanswered request is complete at once; an answered one when its last byte is out.
  return options_.once && !replyActive_ ? Step::FINISHED : Step::CONTINUE;
}

void RadioSimulator::AnswerReadRequest(SimClock::time_point now) {
  ReplyPlan plan = PlanReply(memory_, options_.fault, options_.faultArg);
  // A new request starts the answer afresh: the rest of an earlier reply is not sent, and what
  // the programmer has not read of it is stale.
  transmitter_.Cancel();
  ::tcflush(terminal_.SlaveFd(), TCIFLUSH);
  if (!plan.answers) {
    replyActive_ = false;
    Log(std::string("read request: not answered (fault ") + FaultName(options_.fault) + ")");
    return;
  }
  Log("read request: answering " + std::to_string(plan.bytes.size()) + " bytes" +
      (plan.delay.count() > 0 ? " after " + std::to_string(plan.delay.count()) + " ms" : std::string()) +
      (plan.hangUpAfter ? ", then hanging up" : "") +
      (plan.pause.count() > 0 ? ", silent for " + std::to_string(plan.pause.count()) + " ms after " +
                                    std::to_string(plan.pauseAfter) + " bytes"
                              : std::string()));
  transmitter_.Start(std::move(plan.bytes), now + plan.delay, plan.pauseAfter, plan.pause);
  replyActive_ = true;
  hangUpAfterReply_ = plan.hangUpAfter;
  waitingForWritable_ = false;
}

void RadioSimulator::StoreWriteFrame(const ReceivedFrame &frame) {
  memory_ = frame.image;
  if (options_.fault == Fault::MISSTORE) memory_[options_.faultArg] ^= 0x01;
  // Saved before the event is logged, so whoever waits for the log line finds the file in place.
  if (!options_.savePath.empty()) {
    if (std::string error = SaveMemoryFile(options_.savePath, memory_); !error.empty()) Complain(error);
  }
  Log("write frame: stored 187 bytes" +
      (frame.trailer == 0 ? std::string() : ", but its last byte was " + std::to_string(frame.trailer) + ", not 0"));
}

RadioSimulator::Step RadioSimulator::SendReply(SimClock::time_point now) {
  if (!replyActive_) return Step::CONTINUE;
  if (!waitingForWritable_) {
    const Transmitter::Result result = transmitter_.SendDue(terminal_.MasterFd(), now);
    if (result == Transmitter::Result::FAILED) {
      Complain(std::string("writing the line: ") + std::strerror(errno));
      return Step::FAILED;
    }
    waitingForWritable_ = result == Transmitter::Result::BLOCKED;
    if (!portUse_.InUse()) DiscardUnheardBytes();
  }
  if (transmitter_.Pending()) return Step::CONTINUE;

  replyActive_ = false;
  Log("reply sent: " + std::to_string(transmitter_.Sent()) + " bytes");
  if (hangUpAfterReply_) {
    HangUp();
    return Step::FINISHED;
  }
  if (!options_.once) return Step::CONTINUE;
  LetTheLineDrain();
  return Step::FINISHED;
}

void RadioSimulator::DiscardUnheardBytes() {
  // The slave's input queue holds what the radio sent and nobody read; with no program on the
  // port, a real cable would have lost it.
  ::tcflush(terminal_.SlaveFd(), TCIFLUSH);
}

void RadioSimulator::LetTheLineDrain() {
  const SimClock::time_point giveUp = SimClock::now() + LINE_DRAIN_LIMIT;
  // Bytes written to the master reach the slave's queue a moment later, through the kernel's
  // buffer work; an empty queue straight after the write does not yet mean they were read.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  int unread = 0;
  while (portUse_.InUse() && ::ioctl(terminal_.SlaveFd(), FIONREAD, &unread) == 0 && unread > 0 &&
         SimClock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void RadioSimulator::HangUp() {
  LetTheLineDrain();
  terminal_.Close();
  link_.Remove();
  Log("hung up: the device is gone");
}

int RunRefusingRadio(const SimOptions &options, int stopFd) {
  // A directory: it exists (so a script waiting for the path sees it), yet opening it for reading
  // and writing fails with EISDIR for every user, root included.
  char pattern[] = "/tmp/zentor-radio-refuse-XXXXXX";
  const char *directory = ::mkdtemp(pattern);
  if (directory == nullptr) {
    std::fprintf(stderr, "zentor-radio-sim: mkdtemp: %s\n", std::strerror(errno));
    return 1;
  }
  DeviceLink link;
  int status = 0;
  if (!options.linkPath.empty()) {
    if (std::string error = link.Publish(options.linkPath, directory); !error.empty()) {
      std::fprintf(stderr, "zentor-radio-sim: %s\n", error.c_str());
      status = 1;
    }
  }
  if (status == 0) {
    std::printf("%s\n", directory);
    std::fflush(stdout);
    if (options.verbose) std::fprintf(stderr, "zentor-radio-sim: refusing: %s cannot be opened\n", directory);
    while (!StopRequested(stopFd)) {
      pollfd stop{stopFd, POLLIN, 0};
      ::poll(&stop, 1, -1);
    }
  }
  link.Remove();
  ::rmdir(directory);
  return status;
}
