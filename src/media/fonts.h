// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the game, opened at their pixel sizes from the installed files that stand in for them.

#include <functional>
#include <map>
#include <optional>

#include "media/font_match.h"
#include "media/scale.h"
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

  // The opened font for a spec at k times its size, or nullptr when no installed font can stand in for
  // it. The first miss of the run prints one warning; the game goes on without that text.
  TTF_Font* font(const ui::FontSpec& spec, Scale scale = {});

 private:
  struct Key {
    ui::FontSpec spec;
    int scale;
  };
  struct Less {
    bool operator()(const Key& a, const Key& b) const;
  };
  TTF_Font* open(const Key& key) const;

  FontFinder finder_;
  std::map<Key, TTF_Font*, Less> open_;
  bool ready_ = false;
};

}  // namespace vargo::media
