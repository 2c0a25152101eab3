#pragma once
// The fonts of the game, resolved to installed fonts once per run.

#include <map>

#include "ui/font.h"

typedef struct _TTF_Font TTF_Font;

namespace vargo::media {

class Fonts {
 public:
  Fonts();
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // The opened font for a spec, or nullptr when no installed font can stand in for it.
  TTF_Font* font(const ui::FontSpec& spec);

 private:
  struct Less {
    bool operator()(const ui::FontSpec& a, const ui::FontSpec& b) const;
  };
  std::map<ui::FontSpec, TTF_Font*, Less> open_;
  bool ready_ = false;
};

}  // namespace vargo::media
