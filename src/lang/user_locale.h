// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language as the system tells it, a locale or a language tag. One file a system:
// user_locale_linux.cpp reads the locale variables, user_locale_windows.cpp the user's interface
// language. The web page's build adds its own file, giving the browser's first language
// (navigator.languages); languageOfLocale reads all of them alike.

#include <string>

namespace vargo::lang {

std::string userLocale();

}  // namespace vargo::lang
