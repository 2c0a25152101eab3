// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_choice.h"

namespace vargo::app {

lang::Language chosenLanguage(const Settings& settings, std::string_view userLocale) {
  return settings.language ? *settings.language : lang::languageOfLocale(userLocale);
}

}  // namespace vargo::app
