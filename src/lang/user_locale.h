// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language as the system tells it, a locale or a language tag. One file a system:
// user_locale_linux.cpp reads the locale variables, user_locale_windows.cpp the user's interface
// language; languageOfLocale reads both alike. In the browser the page chooses and names it (--lang).

#include <string>

namespace vargo::lang {

std::string userLocale();

}  // namespace vargo::lang
