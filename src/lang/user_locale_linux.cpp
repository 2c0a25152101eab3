// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "lang/language.h"
#include "lang/user_locale.h"

namespace vargo::lang {

std::string userLocale() {
  return localeOfVariables([](const char* name) { return std::getenv(name); });
}

}  // namespace vargo::lang
