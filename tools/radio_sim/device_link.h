// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --link symlink through which the programmer finds the simulated radio under a fixed name.

#include <string>

class DeviceLink {
 public:
  DeviceLink() = default;
  DeviceLink(const DeviceLink &) = delete;
  DeviceLink &operator=(const DeviceLink &) = delete;
  ~DeviceLink() { Remove(); }

  // Points `linkPath` at `target`, replacing an existing symlink but never any other file.
  // Returns an empty string on success, else a message.
  std::string Publish(const std::string &linkPath, const std::string &target);

  // Removes the link, unless someone has since pointed it elsewhere.
  void Remove();

 private:
  std::string linkPath_;
  std::string target_;
};
