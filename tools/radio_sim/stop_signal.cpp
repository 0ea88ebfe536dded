// SPDX-License-Identifier: GPL-3.0-or-later
#include "stop_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace {

int stopPipeWrite = -1;

void OnStopSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a stop request, so a failed write loses nothing.
  [[maybe_unused]] const ssize_t ignored = ::write(stopPipeWrite, &byte, 1);
  errno = savedErrno;
}

}  // namespace

int InstallStopSignalHandlers() {
  int ends[2];
  if (::pipe(ends) != 0) return -1;
  for (int end : ends) {
    ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    ::fcntl(end, F_SETFD, FD_CLOEXEC);
  }
  stopPipeWrite = ends[1];

  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signalNumber, &action, nullptr);

  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGPIPE, &ignore, nullptr);
  return ends[0];
}
