// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the game, opened at their pixel sizes from the installed files that stand in for them.

#include <functional>
#include <map>
#include <optional>

#include "media/font_match.h"
#include "ui/font.h"

typedef struct _TTF_Font TTF_Font;

namespace vargo::media {

// Which installed file stands in for a face at a weight (bold or not).
using FontFinder = std::function<std::optional<FontFile>(ui::Face, bool)>;

class Fonts {
 public:
  explicit Fonts(FontFinder finder = installedFont);
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // The opened font for a spec, or nullptr when no installed font can stand in for it. The first miss of
  // the run prints one warning; the game goes on without that text.
  TTF_Font* font(const ui::FontSpec& spec);

 private:
  struct Less {
    bool operator()(const ui::FontSpec& a, const ui::FontSpec& b) const;
  };
  TTF_Font* open(const ui::FontSpec& spec) const;

  FontFinder finder_;
  std::map<ui::FontSpec, TTF_Font*, Less> open_;
  bool ready_ = false;
};

}  // namespace vargo::media
