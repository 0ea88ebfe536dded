// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

extern char **environ;

namespace {

constexpr std::chrono::seconds START_LIMIT{10};
constexpr std::chrono::seconds STOP_LIMIT{10};

std::optional<int> StatusOf(int waitStatus) {
  if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
  return std::nullopt;
}

// The first line of the child's output, read with a bounded wait.
std::string ReadFirstLine(int fd) {
  std::string line;
  const auto giveUp = std::chrono::steady_clock::now() + START_LIMIT;
  while (std::chrono::steady_clock::now() < giveUp) {
    pollfd readable{fd, POLLIN, 0};
    if (::poll(&readable, 1, 100) <= 0) continue;
    char c = 0;
    const ssize_t got = ::read(fd, &c, 1);
    if (got <= 0) return {};  // the child ended or closed its output without a path
    if (c == '\n') return line;
    line.push_back(c);
  }
  return {};
}

}  // namespace

TempDir::TempDir() {
  const char *base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/radio-sim-test-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) != nullptr) path_ = buffer.data();
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

SimProcess::SimProcess(const std::vector<std::string> &arguments) {
  std::vector<std::string> argv = {ZENTOR_RADIO_SIM_PATH, "--verbose"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char *> pointers;
  for (std::string &argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  int output[2];
  if (::pipe(output) != 0) return;
  const std::string logPath = logDir_.File("stderr.log");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  posix_spawn_file_actions_addclose(&actions, output[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int spawned = ::posix_spawn(&pid_, pointers[0], &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(output[1]);
  if (spawned != 0) {
    pid_ = -1;
  } else {
    devicePath_ = ReadFirstLine(output[0]);
  }
  ::close(output[0]);
}

SimProcess::~SimProcess() {
  if (pid_ > 0 && !reaped_) {
    ::kill(pid_, SIGKILL);
    int ignored = 0;
    ::waitpid(pid_, &ignored, 0);
  }
}

std::optional<int> SimProcess::WaitForExit(std::chrono::milliseconds limit) {
  if (pid_ <= 0) return std::nullopt;
  if (reaped_) return exitStatus_;
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  for (;;) {
    int waitStatus = 0;
    const pid_t done = ::waitpid(pid_, &waitStatus, WNOHANG);
    if (done == pid_) {
      reaped_ = true;
      exitStatus_ = StatusOf(waitStatus);
      return exitStatus_;
    }
    if (std::chrono::steady_clock::now() >= giveUp) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::optional<int> SimProcess::Stop() {
  if (pid_ <= 0) return std::nullopt;
  if (!reaped_) ::kill(pid_, SIGTERM);
  return WaitForExit(STOP_LIMIT);
}

std::string SimProcess::Log() const {
  std::ifstream file(logDir_.File("stderr.log"));
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool SimProcess::WaitForLog(const std::string &text, std::chrono::milliseconds limit) const {
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (Log().find(text) != std::string::npos) return true;
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::string &path, const std::vector<unsigned char> &bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}
