// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/error_output.h"

namespace vargo::app {

namespace {

bool isOpen(int descriptor) {
  return fcntl(descriptor, F_GETFD) != -1 || errno != EBADF;
}

}  // namespace

// A launcher may start the game with a standard stream closed. The next file opened would take its number,
// and the game's lines would be written into it: into the display's connection, which then hangs. A closed
// stream is opened on /dev/null (it takes the lowest free number, which is its own), so every file opened
// later gets a number above 2.
void routeErrorOutput() {
  for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
    if (!isOpen(descriptor))
      open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  }
}

void showOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace vargo::app
