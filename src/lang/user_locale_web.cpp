// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>

#include "lang/user_locale.h"

namespace vargo::lang {

// The browser's first language, a tag such as "cs-CZ" or "en-GB".
std::string userLocale() {
  const char* tag = emscripten_run_script_string(
      "(navigator.languages && navigator.languages[0]) || navigator.language || ''");
  return tag == nullptr ? "" : tag;
}

}  // namespace vargo::lang
