// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_step.h"

#include <sys/wait.h>
#include <unistd.h>

std::string TextFromChild(const std::function<std::string()> &step, unsigned limitSeconds) {
  int channel[2];
  if (pipe(channel) != 0) {
    return std::string();
  }
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    alarm(limitSeconds);  // its default action ends a child that hangs
    const std::string text = step();
    _exit(write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  close(channel[1]);
  std::string text;
  char chunk[256];
  ssize_t got = 0;
  while (child > 0 && (got = read(channel[0], chunk, sizeof chunk)) > 0) {
    text.append(chunk, static_cast<std::size_t>(got));
  }
  close(channel[0]);
  int status = 0;
  if (child > 0) {
    waitpid(child, &status, 0);
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : std::string();
}
