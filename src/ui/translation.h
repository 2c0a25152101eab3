// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of one language: each of the game's own (Czech) texts with what is shown in its place. A
// caption, a message box or a picture's name that the table does not list is shown as it is, so the
// game's own language is the empty table.

#include <span>
#include <string_view>

namespace vargo::ui {

struct TranslatedText {
  std::string_view source;  // the game's own text
  std::string_view shown;   // the text shown instead
};

class Translation {
 public:
  // `texts` is sorted by source, as the build writes it; `pictures` names the pictures drawn anew for the
  // language, each shown in place of its own drawing.
  constexpr Translation() = default;
  constexpr Translation(std::span<const TranslatedText> texts, std::span<const TranslatedText> pictures)
      : texts_(texts), pictures_(pictures) {}

  std::string_view text(std::string_view source) const;
  std::string_view picture(std::string_view name) const;
  std::span<const TranslatedText> texts() const { return texts_; }

 private:
  std::span<const TranslatedText> texts_;
  std::span<const TranslatedText> pictures_;
};

}  // namespace vargo::ui
