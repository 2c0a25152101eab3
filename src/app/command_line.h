// SPDX-License-Identifier: GPL-3.0-or-later
// vargo: the command line. The options are one table; it is read before SDL starts, so --help and
// --version work without a display and a wrong option ends the program before any window opens.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vargo::app {

// What the options set for the game's run.
struct Settings {
  std::optional<int> scale;  // the windows' whole scale factor; the desktop's own when empty
  bool desk = false;         // the windows stand on one window, the desk
};

// The environment variable that sets the scale; --scale overrides it.
inline constexpr const char* kScaleVariable = "VARGO_SCALE";

// Reads a scale factor, a whole number from 1 to 4, into settings; returns an error message for anything
// else, or an empty string.
std::string readScale(std::string_view text, Settings& settings);

// Reads the scale variable's value (nullptr when it is not set) into settings that have no scale yet.
// Returns exit status 2 after printing one line to err when the value is bad, nothing when the game goes on.
std::optional<int> readEnvironment(const char* scale, Settings& settings, std::ostream& err);

// What the command line asks the program to do.
enum class Request { play, help, version };

struct Command {
  Request request = Request::play;
  Settings settings;
};

// One option: its name with the dashes, the name of its argument (empty when it takes none), the line
// --help prints for it, and what it does. apply sets the option's part of the command and returns an
// error message for a bad argument, or an empty string.
struct Option {
  std::string_view name;
  std::string_view argument;
  std::string_view help;
  std::string (*apply)(Command& command, std::string_view argument);
};

// The game's options, in the order --help lists them.
std::span<const Option> options();

// A read command line; error is empty when the line was good.
struct Parsed {
  Command command;
  std::string error;
};

// Reads the arguments after the program's name against a table of options. An option's argument is
// the next argument or follows an "=" (--name=value).
Parsed parseCommandLine(std::span<const Option> table, std::span<const char* const> arguments);

void printUsage(std::span<const Option> table, std::ostream& out);

// Reads the program's command line (argv[0] is the program's name). Returns the exit status when the
// program ends here: 0 after --help or --version, printed to out; 2 after a bad line, which prints one
// line and the usage to err. Returns nothing when the game is to be played with the settings it wrote over
// those already there.
std::optional<int> readCommandLine(int argc, const char* const argv[], Settings& settings, std::ostream& out,
                                   std::ostream& err);

}  // namespace vargo::app
