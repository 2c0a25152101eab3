// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <ranges>

#include "media/scale.h"

namespace vargo::app {

namespace {

constexpr std::string_view kVersion = VARGO_VERSION;

constexpr std::string_view kAbout = "A point-and-click shooting game in five missions, in Czech.";

constexpr std::string_view kLicence =
    "Copyright (C) 2026 vargo dev\n"
    "The code is free software under the GNU GPL version 3 or later, the pictures and sounds under\n"
    "CC BY-SA 4.0. There is NO WARRANTY, to the extent permitted by law.\n";

std::string request(Command& command, Request r) {
  command.request = r;
  return {};
}

std::string standOnTheDesk(Settings& settings) {
  settings.desk = true;
  return {};
}

constexpr std::array kOptions{
    Option{.name = "--help",
           .help = "print this help and exit",
           .apply = [](Command& c, std::string_view) { return request(c, Request::help); }},
    Option{.name = "--version",
           .help = "print the version and the licence and exit",
           .apply = [](Command& c, std::string_view) { return request(c, Request::version); }},
    Option{.name = "--scale",
           .argument = "K",
           .help = "draw every window K times its size, K from 1 to 4 (default: the desktop's scale, as far "
                   "as the windows fit)",
           .apply = [](Command& c, std::string_view k) { return readScale(k, c.settings); }},
    Option{.name = "--desk",
           .help = "stand all the windows on one window of 1024 x 768, K times as large at scale K",
           .apply = [](Command& c, std::string_view) { return standOnTheDesk(c.settings); }},
};

const Option* find(std::span<const Option> table, std::string_view name) {
  const auto it = std::ranges::find(table, name, &Option::name);
  return it == table.end() ? nullptr : &*it;
}

// Applies the option at arguments[next] and moves next past it and past the value it takes.
std::string applyOne(std::span<const Option> table, std::span<const char* const> arguments, std::size_t& next,
                     Command& command) {
  const std::string_view word = arguments[next++];
  const auto equals = word.find('=');
  const std::string_view name = word.substr(0, equals);
  const Option* option = word.starts_with("--") ? find(table, name) : nullptr;
  if (option == nullptr)
    return "unknown option '" + std::string(word) + "'";
  const bool inlineValue = equals != std::string_view::npos;
  if (option->argument.empty()) {
    if (inlineValue)
      return "option '" + std::string(name) + "' takes no argument";
    return option->apply(command, {});
  }
  if (inlineValue)
    return option->apply(command, word.substr(equals + 1));
  if (next == arguments.size())
    return "option '" + std::string(name) + "' needs an argument " + std::string(option->argument);
  return option->apply(command, arguments[next++]);
}

// The usage keeps within the 80 columns of a terminal's line.
constexpr std::size_t kColumns = 80;

constexpr std::string_view kSounds =
    "The game looks up its sounds in data/ under the working directory first, then in the data folder "
    "installed with it.";

// The columns a UTF-8 text takes: one for every character, so the bytes that continue one are left out.
std::size_t columns(std::string_view text) {
  return static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }));
}

// Writes text from the column the line has reached, broken at its blanks so that no line passes kColumns
// unless a single word does; the lines it adds start at that column too.
void writeWrapped(std::ostream& out, std::string_view text, std::size_t column) {
  std::size_t reached = column;
  for (const auto part : std::views::split(text, ' ')) {
    const std::string_view word(part.begin(), part.end());
    if (word.empty())
      continue;
    if (reached > column && reached + 1 + columns(word) > kColumns) {
      out << '\n' << std::string(column, ' ');
      reached = column;
    } else if (reached > column) {
      out << ' ';
      ++reached;
    }
    out << word;
    reached += columns(word);
  }
  out << '\n';
}

// An option as the usage shows it: "--name" or "--name ARGUMENT".
std::string shown(const Option& o) {
  std::string text(o.name);
  if (!o.argument.empty())
    text.append(" ").append(o.argument);
  return text;
}

}  // namespace

std::string readScale(std::string_view text, Settings& settings) {
  int k = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), k);
  if (error != std::errc() || end != text.data() + text.size() || k < media::Scale::kMin ||
      k > media::Scale::kMax) {
    return "the scale must be a whole number from 1 to 4, not '" + std::string(text) + "'";
  }
  settings.scale = k;
  return {};
}

std::optional<int> readEnvironment(const char* scale, Settings& settings, std::ostream& err) {
  if (scale == nullptr || settings.scale)
    return std::nullopt;
  const std::string error = readScale(scale, settings);
  if (error.empty())
    return std::nullopt;
  err << "vargo: " << kScaleVariable << ": " << error << '\n';
  return 2;
}

std::span<const Option> options() {
  return kOptions;
}

Parsed parseCommandLine(std::span<const Option> table, std::span<const char* const> arguments) {
  Parsed parsed;
  for (std::size_t next = 0; next < arguments.size() && parsed.error.empty();)
    parsed.error = applyOne(table, arguments, next, parsed.command);
  return parsed;
}

void printUsage(std::span<const Option> table, std::ostream& out) {
  std::size_t width = 0;
  for (const Option& o : table)
    width = std::max(width, shown(o).size());
  out << "Usage: vargo [OPTION]...\n" << kAbout << "\n\nOptions:\n";
  const std::size_t helpColumn = 2 + width + 2;
  for (const Option& o : table) {
    const std::string left = "  " + shown(o);
    out << left << std::string(helpColumn - left.size(), ' ');
    writeWrapped(out, o.help, helpColumn);
  }
  out << '\n';
  writeWrapped(out, kSounds, 0);
}

std::optional<int> readCommandLine(int argc, const char* const argv[], Settings& settings, std::ostream& out,
                                   std::ostream& err) {
  const auto arguments =
      argc > 1 ? std::span(argv + 1, static_cast<std::size_t>(argc - 1)) : std::span<const char* const>();
  const Parsed parsed = parseCommandLine(options(), arguments);
  if (!parsed.error.empty()) {
    err << "vargo: " << parsed.error << '\n';
    printUsage(options(), err);
    return 2;
  }
  switch (parsed.command.request) {
    case Request::help:
      printUsage(options(), out);
      return 0;
    case Request::version:
      out << "vargo " << kVersion << '\n' << kLicence;
      return 0;
    case Request::play:
      break;
  }
  if (parsed.command.settings.scale)
    settings.scale = parsed.command.settings.scale;
  settings.desk = settings.desk || parsed.command.settings.desk;
  return std::nullopt;
}

}  // namespace vargo::app
