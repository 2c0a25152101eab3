// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a run: from --lang, else VARGO_LANG, else the first locale variable that is set, and a
// bad value refused with one line and status 2.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/language_choice.h"

namespace {

using vargo::lang::Language;
constexpr auto cs = Language::czech;
constexpr auto en = Language::english;

struct Case {
  std::vector<const char*> arguments;            // after the program's name
  std::map<std::string, std::string> variables;  // the environment; a variable not listed is not set
  std::optional<Language> language;              // nothing: refused with status 2
};

// What main does: the command line, then VARGO_LANG, then the user's locale.
struct Start {
  std::optional<int> status;
  std::string err;
  Language language = cs;
};

Start start(const Case& c) {
  const auto variable = [&](const char* name) -> const char* {
    const auto it = c.variables.find(name);
    return it == c.variables.end() ? nullptr : it->second.c_str();
  };
  std::vector<const char*> argv{"vargo"};
  argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
  std::ostringstream out, err;
  vargo::app::Settings settings;
  Start run;
  run.status = vargo::app::readCommandLine(static_cast<int>(argv.size()), argv.data(), settings, out, err);
  if (!run.status)
    run.status = vargo::app::readLanguageVariable(variable(vargo::app::kLanguageVariable), settings, err);
  run.err = err.str();
  run.language = vargo::app::chosenLanguage(settings, vargo::lang::localeOfVariables(variable));
  return run;
}

const Case kCases[] = {
    {{}, {}, cs},  // no locale at all is the C locale
    {{}, {{"LANG", "C.UTF-8"}}, cs},
    {{}, {{"LANG", "POSIX"}}, cs},
    {{}, {{"LANG", "cs_CZ.UTF-8"}}, cs},
    {{}, {{"LANG", "sk_SK.UTF-8"}}, cs},
    {{}, {{"LANG", "en_US.UTF-8"}}, en},
    {{}, {{"LANG", "de_DE.UTF-8"}}, en},
    {{}, {{"LANG", "cs_CZ.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, en},
    {{}, {{"LC_MESSAGES", "en_GB.UTF-8"}, {"LC_ALL", "cs_CZ.UTF-8"}}, cs},
    {{}, {{"LC_ALL", "fr_FR.UTF-8"}, {"LANGUAGE", "cs"}}, cs},
    {{}, {{"LANGUAGE", "sk:en"}, {"LANG", "en_US.UTF-8"}}, cs},
    {{}, {{"LANGUAGE", "en_GB:cs"}, {"LANG", "cs_CZ.UTF-8"}}, en},
    {{}, {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}, en},  // empty is as if not set
    {{}, {{"LANGUAGE", ":en"}}, en},
    {{}, {{"VARGO_LANG", "en"}, {"LANG", "cs_CZ.UTF-8"}}, en},
    {{}, {{"VARGO_LANG", "cs"}, {"LANG", "en_US.UTF-8"}}, cs},
    {{"--lang", "en"}, {{"VARGO_LANG", "cs"}}, en},  // the option wins over the variable
    {{"--lang=cs"}, {{"VARGO_LANG", "en"}, {"LANG", "en_US.UTF-8"}}, cs},
    {{"--lang", "de"}, {}, std::nullopt},
    {{"--lang", "EN"}, {}, std::nullopt},
    {{"--lang="}, {}, std::nullopt},
    {{"--lang"}, {}, std::nullopt},
    {{}, {{"VARGO_LANG", "english"}}, std::nullopt},
    {{}, {{"VARGO_LANG", ""}}, std::nullopt},
    {{"--lang", "en"}, {{"VARGO_LANG", "xx"}}, en},  // a variable the option overrides is not read
};

TEST(LanguageChoice, OptionThenVariableThenLocaleAndBadValuesRefused) {
  for (const Case& c : kCases) {
    std::string shown;
    for (const char* a : c.arguments)
      shown += std::string(a) + " ";
    for (const auto& [name, value] : c.variables)
      shown += name + "=" + value + " ";
    SCOPED_TRACE(shown);
    const Start run = start(c);
    if (!c.language) {
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.err.substr(0, 7), "vargo: ") << run.err;
      continue;
    }
    EXPECT_EQ(run.status, std::nullopt) << run.err;
    EXPECT_EQ(run.language, *c.language);
  }
}

TEST(LanguageChoice, ABadVariableIsOneLine) {
  std::ostringstream err;
  vargo::app::Settings settings;
  EXPECT_EQ(vargo::app::readLanguageVariable("de", settings, err), 2);
  EXPECT_EQ(err.str(), "vargo: VARGO_LANG: the language must be cs or en, not 'de'\n");
}

}  // namespace
