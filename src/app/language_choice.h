// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place that decides the language of a run, at start-up, before any screen is loaded.

#include <string_view>

#include "app/command_line.h"
#include "lang/language.h"

namespace vargo::app {

// The language --lang or VARGO_LANG asked for, else the one of the user's locale (lang::userLocale()).
lang::Language chosenLanguage(const Settings& settings, std::string_view userLocale);

}  // namespace vargo::app
