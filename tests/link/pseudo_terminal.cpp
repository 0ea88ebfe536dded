#include "pseudo_terminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "event_loop.h"

PseudoTerminal::PseudoTerminal() {
  masterFd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0) {
    throw std::runtime_error("cannot create a pseudo-terminal");
  }
  const char *name = ptsname(masterFd);
  if (name == nullptr) {
    throw std::runtime_error("pseudo-terminal has no slave name");
  }
  slavePath = name;
}

PseudoTerminal::~PseudoTerminal() { HangUp(); }

void PseudoTerminal::Send(const std::vector<std::uint8_t> &bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = write(masterFd, bytes.data() + sent, bytes.size() - sent);
    if (count < 0) {
      throw std::runtime_error("cannot write to the pseudo-terminal master");
    }
    sent += static_cast<std::size_t>(count);
  }
}

std::vector<std::uint8_t> PseudoTerminal::Receive(std::size_t count, int maxMilliseconds) {
  std::vector<std::uint8_t> received;
  RunEventsUntil(
      [&] {
        std::uint8_t chunk[256];
        ssize_t got = 0;
        while (received.size() < count && (got = read(masterFd, chunk, sizeof chunk)) > 0) {
          received.insert(received.end(), chunk, chunk + got);
        }
        return received.size() >= count;
      },
      maxMilliseconds);
  return received;
}

void PseudoTerminal::HangUp() {
  if (masterFd >= 0) {
    close(masterFd);
    masterFd = -1;
  }
}

int OpenErrorForOtherProgram(const std::string &path) {
  if (geteuid() != 0) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
      return errno;
    }
    close(fd);
    return 0;
  }
  chmod(path.c_str(), 0666);  // so that "nobody" may open it at all
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) {
      _exit(255);
    }
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    _exit(fd < 0 ? errno : 0);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}
