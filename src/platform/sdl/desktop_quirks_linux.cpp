// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <malloc.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/sdl/desktop_quirks.h"
#include "platform/sdl/loaded_symbol.h"

namespace vargo::platform {

namespace {

// SDL wakes its own event wait by sending a message to one of the game's windows over a second X
// connection. When a handler closes that window at once (a screen that moves the player on), the X server
// may handle the close first and answer the message with BadWindow. SDL reads that answer only when it
// closes the connection at the end, with Xlib's default handler back in place, which prints the error and
// ends the process with status 1. That error is ignored; every other goes on to the handler before ours.
using ErrorHandler = int (*)(Display*, XErrorEvent*);
ErrorHandler previousErrorHandler = nullptr;

int ignoreSendToClosedWindow(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent)
    return 0;
  return previousErrorHandler != nullptr ? previousErrorHandler(display, error) : 0;
}

// SDL shows a message box from a child process of the game's. Xlib's own handler prints a paragraph in
// each of them before it ends it; one line from the game is enough.
pid_t game = 0;

int leaveWhenDisplayLost(Display*) {
  if (getpid() == game)
    std::fputs("vargo: the connection to the display was lost\n", stderr);
  _exit(1);
}

// A message box must not outlive the game that asked for it, whatever ends the game.
void endWithTheGame() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != game)
    _exit(1);  // the game ended before the line above
}

// Installed before SDL opens its connections, so that SDL keeps them as the handlers it restores.
void quietXlib() {
  using SetErrorHandler = ErrorHandler (*)(ErrorHandler);
  using IoErrorHandler = int (*)(Display*);
  using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler);
  if (auto set = symbolOf<SetErrorHandler>("libX11.so.6", "XSetErrorHandler"))
    previousErrorHandler = set(ignoreSendToClosedWindow);
  if (auto set = symbolOf<SetIoErrorHandler>("libX11.so.6", "XSetIOErrorHandler"))
    set(leaveWhenDisplayLost);
}

// ALSA reports every card it cannot find on stderr; a machine without a sound card gets eight lines
// before the game's own one.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
  using MessageHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetMessageHandler = int (*)(MessageHandler);
  if (auto set = symbolOf<SetMessageHandler>("libasound.so.2", "snd_lib_error_set_handler"))
    set(ignoreAlsaMessage);
}

struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

void endAtOnce(int) {
  _exit(0);
}

}  // namespace

void returnFreedBuffersToTheSystem() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);  // glibc's own starting value, now kept
#endif
}

void oneHeapForEveryThread() {
#ifdef __GLIBC__
  mallopt(M_ARENA_MAX, 1);
#endif
}

void quietDesktopLibraries() {
  game = getpid();
  pthread_atfork(nullptr, nullptr, endWithTheGame);
  quietXlib();
  quietAlsa();
  // Without a runtime directory there is no Wayland session to join, and libwayland would say so on stderr
  // before the game's own one-line message.
  if (SDL_getenv("XDG_RUNTIME_DIR") == nullptr)
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
}

QuitSignalsEndAtOnce::QuitSignalsEndAtOnce() {
  struct sigaction end {};
  end.sa_handler = endAtOnce;
  sigemptyset(&end.sa_mask);
  sigaction(SIGINT, &end, &previousInterrupt);
  sigaction(SIGTERM, &end, &previousTerminate);
}

QuitSignalsEndAtOnce::~QuitSignalsEndAtOnce() {
  sigaction(SIGINT, &previousInterrupt, nullptr);
  sigaction(SIGTERM, &previousTerminate, nullptr);
}

}  // namespace vargo::platform
