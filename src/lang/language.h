// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages of the game's texts. Czech is the game's own; English is made from po/en.po at build
// time. Which one a run shows is decided once, at start-up, from the player's settings.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/translation.h"

namespace vargo::lang {

enum class Language { czech, english };

// The language a --lang or VARGO_LANG value names: "cs" or "en"; nothing for any other value.
std::optional<Language> languageNamed(std::string_view name);

// The language for a locale or language tag ("cs_CZ.UTF-8", "sk", "en-GB", "C"): Czech for Czech and
// Slovak and for the C and POSIX locales (the game's own language is the default), English for any other.
Language languageOfLocale(std::string_view locale);

// The user's locale as the Linux variables tell it: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// that is set and not empty, LANGUAGE's first entry when it is a colon list; empty when none is.
using Variables = std::function<const char*(const char* name)>;
std::string localeOfVariables(const Variables& variables);

// The texts and pictures of a language.
const ui::Translation& translationOf(Language language);

}  // namespace vargo::lang
