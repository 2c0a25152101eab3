// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language.h"

#include <array>

#include "lang/english.h"

namespace vargo::lang {

namespace {

struct Named {
  std::string_view name;
  Language language;
};
constexpr std::array kNames{Named{"cs", Language::czech}, Named{"en", Language::english}};

// The locale variables, in the order that decides.
constexpr std::array kLocaleVariables{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// The language part of a locale or tag: "cs" of "cs_CZ.UTF-8@euro" or of "cs-CZ", "C" of "C.UTF-8".
std::string_view languagePart(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_-.@"));
}

// The first entry of a colon list that is not empty.
std::string_view firstEntry(std::string_view list) {
  while (!list.empty()) {
    const auto colon = list.find(':');
    const std::string_view entry = list.substr(0, colon);
    if (!entry.empty())
      return entry;
    list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
  }
  return {};
}

}  // namespace

std::optional<Language> languageNamed(std::string_view name) {
  for (const Named& n : kNames) {
    if (n.name == name)
      return n.language;
  }
  return std::nullopt;
}

Language languageOfLocale(std::string_view locale) {
  const std::string_view part = languagePart(locale);
  const bool czech = part.empty() || part == "cs" || part == "sk" || part == "C" || part == "POSIX";
  return czech ? Language::czech : Language::english;
}

std::string localeOfVariables(const Variables& variables) {
  for (const char* name : kLocaleVariables) {
    const char* value = variables(name);
    const std::string_view entry = value == nullptr ? std::string_view{} : firstEntry(value);
    if (!entry.empty())
      return std::string(entry);
  }
  return {};
}

const ui::Translation& translationOf(Language language) {
  static const ui::Translation czech;
  static const ui::Translation english{englishTexts(), englishPictures()};
  return language == Language::english ? english : czech;
}

}  // namespace vargo::lang
