// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Standard output, checked to the end as the GNU tools check it: a table that never reached a
// full disk or /dev/full must not end with exit status 0.

#include <streambuf>
#include <string>

// Gives each of the standard descriptors that was closed when the program started (`>&-`)
// a stand-in that fails every write, so no file the program opens later takes its number and
// receives the table, and output to a closed standard output fails as it should. Call first.
void ReserveStandardDescriptors();

// While it lives, std::cout writes through it to file descriptor 1, and the first failure and
// its errno are kept.
class CheckedStandardOutput : public std::streambuf {
 public:
  CheckedStandardOutput();
  ~CheckedStandardOutput() override;
  CheckedStandardOutput(const CheckedStandardOutput &) = delete;
  CheckedStandardOutput &operator=(const CheckedStandardOutput &) = delete;

  // Flushes and closes standard output. Returns `status` when all of it went out; otherwise
  // says so on standard error and returns EXIT_FAILED (or the failure `status` already is). A reader that went away (EPIPE, when
  // SIGPIPE did not end the program already) ends it quietly.
  int Finish(int status);

 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char *text, std::streamsize count) override;
  int sync() override;

 private:
  bool Drain();

  std::streambuf *previous_;
  std::string pending_;
  int failure_ = 0;  // errno of the first failed write or close, 0 while all is well
};
