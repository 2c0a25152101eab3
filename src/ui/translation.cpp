// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include <algorithm>

namespace vargo::ui {

namespace {

std::string_view lookUp(std::span<const TranslatedText> table, std::string_view source) {
  const auto it = std::lower_bound(table.begin(), table.end(), source,
                                   [](const TranslatedText& t, std::string_view s) { return t.source < s; });
  return it != table.end() && it->source == source ? it->shown : source;
}

}  // namespace

std::string_view Translation::text(std::string_view source) const {
  return lookUp(texts_, source);
}

std::string_view Translation::picture(std::string_view name) const {
  return lookUp(pictures_, name);
}

}  // namespace vargo::ui
