// SPDX-License-Identifier: GPL-3.0-or-later
#include "standard_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "command_line.h"

namespace {

constexpr std::size_t BUFFERED = 8192;

}  // namespace

void ReserveStandardDescriptors() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // open(2) takes the lowest free number, which is this one; read-only, so writes get EBADF.
    const int standIn = ::open("/dev/null", O_RDONLY);
    if (standIn >= 0 && standIn != fd) ::close(standIn);
  }
}

CheckedStandardOutput::CheckedStandardOutput() : previous_(std::cout.rdbuf(this)) {}

CheckedStandardOutput::~CheckedStandardOutput() {
  Drain();
  std::cout.rdbuf(previous_);
}

bool CheckedStandardOutput::Drain() {
  std::size_t done = 0;
  while (failure_ == 0 && done < pending_.size()) {
    const ssize_t written = ::write(STDOUT_FILENO, pending_.data() + done, pending_.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) failure_ = errno;
    if (written > 0) done += static_cast<std::size_t>(written);
  }
  // Once a write has failed the rest is dropped: what follows a hole is no use to a reader.
  pending_.clear();
  return failure_ == 0;
}

CheckedStandardOutput::int_type CheckedStandardOutput::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof())) return sync() == 0 ? 0 : traits_type::eof();
  pending_ += traits_type::to_char_type(character);
  if (pending_.size() >= BUFFERED && !Drain()) return traits_type::eof();
  return character;
}

std::streamsize CheckedStandardOutput::xsputn(const char *text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.size() >= BUFFERED && !Drain()) return 0;
  return count;
}

int CheckedStandardOutput::sync() { return Drain() ? 0 : -1; }

int CheckedStandardOutput::Finish(int status) {
  Drain();
  // A close can report what a write did not (NFS reports a full disk there).
  if (::close(STDOUT_FILENO) != 0 && failure_ == 0) failure_ = errno;
  if (failure_ == 0) return status;
  if (failure_ != EPIPE) Complain(std::string("cannot write to standard output: ") + std::strerror(failure_));
  return status == EXIT_DONE ? EXIT_FAILED : status;
}
