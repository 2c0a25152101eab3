// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the libraries under SDL on a Linux desktop would do to the game: end it over a harmless X error,
// print lines of their own on stderr, keep a quit signal waiting while a modal box is open. On other
// systems there is nothing to mend and these do nothing.

namespace vargo::platform {

// Call once before SDL starts. Xlib, ALSA and libwayland then say nothing on stderr; a display that goes
// away ends the game with one line and status 1.
void quietDesktopLibraries();

// Call once before SDL starts. A freed window-sized buffer (a picture, a screen's text) goes back to the
// system at once. Left to itself, glibc's malloc raises its threshold for that to the largest block freed
// so far, and later screens' buffers then stay in its heap after they are freed: at scale 3 a whole play
// would end 13 MiB higher.
void returnFreedBuffersToTheSystem();

// Call before the game starts a thread. Every thread then takes its memory from the one heap. Left to
// itself, glibc gives each new thread a heap of its own and reserves 64 MiB of address space for it; where
// the address space is limited (ulimit -v) that does not fit, and the thread then maps each block it asks
// for on its own, until libraries that do not check for failure crash.
void oneHeapForEveryThread();

// While one lives, SIGINT and SIGTERM end the game at once with status 0. SDL's own handlers only queue a
// quit, which nobody reads while a modal box runs its own loop; there is nothing to save.
class QuitSignalsEndAtOnce {
 public:
  QuitSignalsEndAtOnce();
  ~QuitSignalsEndAtOnce();
  QuitSignalsEndAtOnce(const QuitSignalsEndAtOnce&) = delete;
  QuitSignalsEndAtOnce& operator=(const QuitSignalsEndAtOnce&) = delete;
};

}  // namespace vargo::platform
