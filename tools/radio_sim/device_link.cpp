// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

std::string ReadLinkTarget(const std::string &path) {
  std::vector<char> buffer(4096);
  const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
  if (length < 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string DeviceLink::Publish(const std::string &linkPath, const std::string &target) {
  struct stat existing {};
  if (::lstat(linkPath.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
    return linkPath + " exists and is not a symlink; not replacing it";
  }
  // A new link under a temporary name, renamed over the old one: a programmer looking at the
  // path sees the old device or the new one, never a missing file.
  const std::string temporary = linkPath + ".tmp." + std::to_string(::getpid());
  ::unlink(temporary.c_str());
  if (::symlink(target.c_str(), temporary.c_str()) != 0) {
    return "cannot create symlink " + temporary + ": " + std::strerror(errno);
  }
  if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
    const std::string message = "cannot create symlink " + linkPath + ": " + std::strerror(errno);
    ::unlink(temporary.c_str());
    return message;
  }
  linkPath_ = linkPath;
  target_ = target;
  return {};
}

void DeviceLink::Remove() {
  if (linkPath_.empty()) return;
  if (ReadLinkTarget(linkPath_) == target_) ::unlink(linkPath_.c_str());
  linkPath_.clear();
  target_.clear();
}
