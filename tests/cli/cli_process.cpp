// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>

extern char **environ;

namespace {

constexpr std::chrono::seconds RUN_LIMIT{60};

}  // namespace

CliRun RunCli(const std::vector<std::string> &arguments, const std::string &standardOutput) {
  std::vector<std::string> argv = {ZENTOR_CLI_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char *> pointers;
  for (std::string &argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  CliRun run;
  int out[2];
  int err[2];
  if (::pipe(out) != 0) return run;
  if (::pipe(err) != 0) {
    ::close(out[0]);
    ::close(out[1]);
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (standardOutput.empty()) {
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, standardOutput.c_str(), O_WRONLY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  for (const int fd : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  pid_t pid = -1;
  const int spawned = ::posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);

  pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string *texts[2] = {&run.out, &run.err};
  const auto giveUp = std::chrono::steady_clock::now() + RUN_LIMIT;
  while (spawned == 0 && (streams[0].fd >= 0 || streams[1].fd >= 0) &&
         std::chrono::steady_clock::now() < giveUp) {
    if (::poll(streams, 2, 100) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (streams[i].fd < 0 || streams[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = ::read(streams[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(got));
      } else {
        streams[i].fd = -1;  // polled no more; closed below
      }
    }
  }
  ::close(out[0]);
  ::close(err[0]);
  if (spawned != 0) return run;
  const bool ended = streams[0].fd < 0 && streams[1].fd < 0;
  if (!ended) ::kill(pid, SIGKILL);
  int waitStatus = 0;
  ::waitpid(pid, &waitStatus, 0);
  if (ended && WIFEXITED(waitStatus)) run.status = WEXITSTATUS(waitStatus);
  return run;
}

std::vector<std::string> WordsOfLine(const std::string &text, const std::string &start) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(start, 0) != 0) continue;
    std::istringstream words(line);
    std::vector<std::string> result;
    for (std::string word; words >> word;) result.push_back(word);
    return result;
  }
  return {};
}
