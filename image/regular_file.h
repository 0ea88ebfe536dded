// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every file the programs read or write (image files, CSV files, backups, the window's save,
// the simulated radio's memory) goes through these two functions, so a FIFO never blocks a
// reader and a failed write never costs the user a good file.

#include <cstddef>
#include <string>
#include <string_view>

enum class FileProblem {
  NONE,
  SYSTEM,       // a system call failed; systemError holds its errno
  NOT_REGULAR,  // a directory, device, FIFO or socket: refused and left as it is
  TOO_LARGE,    // more bytes than the reader was prepared to take
  WRONG_SIZE,   // read whole, but not the size its kind of file must have
};

struct FileError {
  FileProblem problem = FileProblem::NONE;
  int systemError = 0;  // the errno of the failing call, 0 when the system gave no reason
  std::string text;     // in English, naming the file
  // Set also when the write succeeds: one line when the new file could not keep the old one's
  // owner or group (only root may give a file to another user, only a member to its group).
  std::string warning;
};

// Reads the regular file at `path` into `contents`. Anything else is refused without being
// opened, so neither a FIFO nor a serial port is touched; a file of more than `limit` bytes is
// refused too. On failure `contents` is untouched.
bool ReadRegularFile(const std::string &path, std::size_t limit, std::string &contents, FileError &error);

// Puts `contents` in place of the file at `path`: written to a temporary file in the same
// folder, every write, the sync and the close checked, then renamed over the old file, so a
// reader sees the old file or the new one, never a part. A symbolic link is followed and its
// target replaced; a path that leads to anything but a regular file, or to a file the user may
// not write, is refused. The new file keeps the old one's permission bits, and its owner and
// group where this user may give them (else `error.warning` says what changed). On failure the
// temporary file is gone and the old file is as it was. Temporary files that killed programs of
// this user left in the folder are removed on the way.
bool ReplaceRegularFile(const std::string &path, std::string_view contents, FileError &error);

// The checks ReplaceRegularFile makes before it writes, for a caller that would rather refuse a
// FIFO, a directory or a folder it cannot write into before it reads a radio: true when `path`
// leads to nothing yet or to a regular file the user may write, in a folder where the user may
// create the new file.
bool MayReplaceRegularFile(const std::string &path, FileError &error);

// Makes a new file at `path` holding `contents`, whole or not at all, as ReplaceRegularFile
// writes one; fails with EEXIST when anything has that name already, a symbolic link included,
// which is never followed.
bool CreateRegularFile(const std::string &path, std::string_view contents, FileError &error);

// Renames `from` to `to` unless anything has the name `to` already (errno EEXIST), a symbolic
// link included. False with errno set otherwise.
bool RenameWithoutReplacing(const std::string &from, const std::string &to);

// Whether two names lead to one file: the same device and inode, or the same path once every
// symbolic link and the folders are resolved (for a file that does not exist yet).
bool NameTheSameFile(const std::string &first, const std::string &second);

// Writes all `count` bytes to `fd`, going on after a partial write or an interrupted call; false
// with errno set when the system refuses the rest.
bool WriteAll(int fd, const void *data, std::size_t count);
