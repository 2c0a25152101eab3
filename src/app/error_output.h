// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game's "vargo:" lines and its --help and --version go. A terminal shows stdout and stderr
// wherever they are; a Windows GUI program has neither unless it asks.

#include <string_view>

namespace vargo::app {

// On Windows, without redirected output: the console the game was started from (vargo.exe --version in a
// command prompt), else for errors the file %LOCALAPPDATA%\vargo\vargo.log, made at the first line: a run
// that says nothing leaves the last one's log as it was. On Linux a closed standard stream is opened on
// /dev/null. Called first, before anything opens a file.
void routeErrorOutput();

// Shows what the player asked for (the text of --help or --version) on stdout; on Windows without a console
// or redirected output, where stdout reaches no one, in a message box that waits for "OK". Nothing for an
// empty text.
void showOutput(std::string_view text);

}  // namespace vargo::app
