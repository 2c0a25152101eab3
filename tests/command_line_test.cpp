// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what a wrong line prints and returns, and an option's argument in both its forms.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

namespace {

using vargo::app::Command;
using vargo::app::Option;
using vargo::app::parseCommandLine;
using vargo::app::Request;

struct Outcome {
  std::optional<int> status;
  std::string out;
  std::string err;
};

template <std::size_t N>
Outcome run(const std::array<const char*, N>& argv) {
  std::ostringstream out, err;
  vargo::app::Settings settings;
  const auto status = vargo::app::readCommandLine(N, argv.data(), settings, out, err);
  return {status, out.str(), err.str()};
}

std::string usage() {
  std::ostringstream out;
  vargo::app::printUsage(vargo::app::options(), out);
  return out.str();
}

// The text with every run of blanks and line breaks made one blank: its words in order, however wrapped.
std::string joined(const std::string& text) {
  std::string words;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n';
    if (!blank)
      words += c;
    else if (!words.empty() && words.back() != ' ')
      words += ' ';
  }
  return words;
}

TEST(CommandLine, TheUsageKeepsWithinEightyColumnsAndWrapsTheHelpUnderItsFirstLine) {
  std::istringstream lines(usage());
  std::size_t helpColumn = 0;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    const auto indent = line.find_first_not_of(' ');
    if (line.starts_with("  --")) {
      helpColumn = line.find_first_not_of(' ', line.find("  ", 2));
    } else if (helpColumn != 0 && indent > 0 && indent != std::string::npos) {
      EXPECT_EQ(indent, helpColumn) << "a wrapped help line should start under the help above it: " << line;
    }
  }
  EXPECT_NE(helpColumn, 0u) << "no option line in the usage:\n" << usage();
}

TEST(CommandLine, AWrongWordPrintsOneLineAndTheUsageToStderrAndExitsTwo) {
  for (const char* word : {"--bogus", "-h", "scene", "--help=yes"}) {
    const Outcome r = run(std::array{"vargo", word});
    EXPECT_EQ(r.status, 2) << word;
    EXPECT_EQ(r.out, "") << word;
    const auto firstLine = r.err.substr(0, r.err.find('\n') + 1);
    const std::string name = std::string(word).substr(0, std::string(word).find('='));
    EXPECT_NE(firstLine.find(name), std::string::npos)
        << "the error line should name " << name << ": " << firstLine;
    EXPECT_EQ(r.err.substr(firstLine.size()), usage()) << word;
  }
}

TEST(CommandLine, HelpAndVersionGoToStdoutAndExitZero) {
  const Outcome help = run(std::array{"vargo", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, usage());
  EXPECT_EQ(help.err, "");
  for (const Option& o : vargo::app::options())
    EXPECT_NE(joined(help.out).find(o.help), std::string::npos) << "--help does not list " << o.name;
  const Outcome version = run(std::array{"vargo", "--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("vargo 1.")) << version.out;
  EXPECT_EQ(version.err, "");
}

TEST(CommandLine, NoOptionsPlays) {
  const Outcome r = run(std::array{"vargo"});
  EXPECT_EQ(r.status, std::nullopt);
  EXPECT_EQ(r.out + r.err, "");
}

// A table with an option that takes an argument, standing for the game's ones.
std::string keep(Command& c, std::string_view value) {
  if (value != "2")
    return "bad value '" + std::string(value) + "'";
  c.request = Request::version;
  return {};
}
constexpr std::array kTable{Option{.name = "--level", .argument = "N", .help = "-", .apply = keep}};

TEST(CommandLine, AnOptionTakesItsArgumentFromTheNextWordOrAfterAnEqualsSign) {
  for (const auto& line : {std::array{"--level", "2"}, std::array{"--level=2", "--level=2"}}) {
    const auto parsed = parseCommandLine(kTable, line);
    EXPECT_EQ(parsed.error, "") << line[0];
    EXPECT_EQ(parsed.command.request, Request::version) << line[0];
  }
  EXPECT_EQ(parseCommandLine(kTable, std::array{"--level"}).error, "option '--level' needs an argument N");
  EXPECT_EQ(parseCommandLine(kTable, std::array{"--level", "7"}).error, "bad value '7'");
}

}  // namespace

TEST(CommandLine, TheScaleIsAWholeNumberFromOneToFourFromTheLineOrTheEnvironment) {
  for (const char* bad : {"0", "9", "abc", "2x", ""}) {
    const Outcome r = run(std::array{"vargo", "--scale", bad});
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(r.err.starts_with("vargo: ") && r.err.find("vargo:", 1) == std::string::npos) << r.err;
    std::ostringstream err;
    vargo::app::Settings settings;
    EXPECT_EQ(vargo::app::readEnvironment(bad, settings, err), 2) << bad;
    EXPECT_EQ(std::ranges::count(err.str(), '\n'), 1) << err.str();
    EXPECT_TRUE(err.str().starts_with("vargo: VARGO_SCALE: ")) << err.str();
  }
  std::ostringstream out, err;
  vargo::app::Settings settings;
  const std::array argv{"vargo", "--scale=3"};
  EXPECT_EQ(vargo::app::readCommandLine(2, argv.data(), settings, out, err), std::nullopt);
  EXPECT_EQ(vargo::app::readEnvironment("abc", settings, err), std::nullopt) << "the line overrides it";
  EXPECT_EQ(settings.scale, 3);
  vargo::app::Settings fromEnvironment;
  EXPECT_EQ(vargo::app::readEnvironment("4", fromEnvironment, err), std::nullopt);
  EXPECT_EQ(fromEnvironment.scale, 4);
}

TEST(CommandLine, DeskStandsTheWindowsOnOneWindow) {
  std::ostringstream out, err;
  vargo::app::Settings settings;
  const std::array argv{"vargo", "--desk", "--scale", "2"};
  EXPECT_EQ(vargo::app::readCommandLine(4, argv.data(), settings, out, err), std::nullopt) << err.str();
  EXPECT_TRUE(settings.desk);
  EXPECT_EQ(settings.scale, 2);
  vargo::app::Settings plain;
  EXPECT_EQ(vargo::app::readCommandLine(2, std::array{"vargo", "--scale=1"}.data(), plain, out, err),
            std::nullopt);
  EXPECT_FALSE(plain.desk);
}
