// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "lang/user_locale.h"

namespace vargo::lang {

// The user's interface language as a tag such as "cs-CZ"; empty when Windows cannot name it.
std::string userLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0)
    return {};
  std::string tag;
  for (const wchar_t* c = name; *c != L'\0'; ++c)
    tag.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
  return tag;
}

}  // namespace vargo::lang
