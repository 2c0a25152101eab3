// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>

namespace vargo::platform {

namespace {

// SDL wakes its own event wait by sending a message to one of the game's windows over a second X
// connection. When a handler closes that window at once (a screen that moves the player on), the X server
// may handle the close first and answer the message with BadWindow. SDL reads that answer only when it
// closes the connection at the end, with Xlib's default handler back in place, which prints the error and
// ends the process with status 1. That error is ignored; every other goes on to the handler before ours.
using ErrorHandler = int (*)(Display*, XErrorEvent*);
ErrorHandler previous = nullptr;

int ignoreSendToClosedWindow(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent)
    return 0;
  return previous != nullptr ? previous(display, error) : 0;
}

}  // namespace

void ignoreLostWakeups() {
  // Installed before SDL opens its connections, so that SDL keeps it as the handler it restores at the end.
  // Xlib stays loaded: SDL loads it too when it uses X11.
  void* xlib = dlopen("libX11.so.6", RTLD_LAZY);
  if (xlib == nullptr)
    return;
  using SetErrorHandler = ErrorHandler (*)(ErrorHandler);
  if (auto set = reinterpret_cast<SetErrorHandler>(dlsym(xlib, "XSetErrorHandler")))
    previous = set(ignoreSendToClosedWindow);
}

}  // namespace vargo::platform
