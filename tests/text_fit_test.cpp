// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every language lies inside its label at every scale, laid out with the installed fonts as
// the painter lays it out: no word wider than the label, so none is cut, and the baseline of every line
// above the label's bottom.

#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <string>

#include "app/screen_kinds.h"
#include "lang/language.h"
#include "levels/reload_screen.h"
#include "media/fonts.h"
#include "media/text_layout.h"
#include "names/screen_names.h"

namespace vargo {
namespace {

struct Fit {
  int widest = 0;    // the widest line, device pixels
  int lastBase = 0;  // the baseline of the last line, from the label's top
};

Fit layOut(std::string_view text, TTF_Font* font, int width) {
  std::string piece;
  const auto measure = [&](std::string_view p) {
    piece.assign(p);
    int w = 0;
    return TTF_SizeUTF8(font, piece.c_str(), &w, nullptr) == 0 ? w : 0;
  };
  Fit fit;
  int top = 0;
  for (std::string_view line : media::layoutText(text, width, measure)) {
    fit.widest = std::max(fit.widest, measure(line));
    fit.lastBase = top + TTF_FontAscent(font);
    top += TTF_FontLineSkip(font);
  }
  return fit;
}

void expectFits(std::string_view text, const ui::WidgetDef& label, media::Fonts& fonts, media::Scale scale) {
  TTF_Font* font = fonts.font(label.font, scale);
  ASSERT_NE(font, nullptr) << "no font for " << label.name;
  const ui::Rect rect = scale.of(label.rect);
  const Fit fit = layOut(text, font, rect.width);
  EXPECT_LE(fit.widest, rect.width) << "a word wider than the label: " << text.substr(0, 60);
  EXPECT_LE(fit.lastBase, rect.height) << "a line below the label's bottom: " << text.substr(0, 60);
}

class TextFit : public testing::TestWithParam<lang::Language> {};

TEST_P(TextFit, EveryCaptionLiesInsideItsLabelAtEveryScale) {
  const ui::Translation& translation = lang::translationOf(GetParam());
  media::Fonts fonts;
  for (int k = media::Scale::kMin; k <= media::Scale::kMax; ++k) {
    for (const ui::ScreenKind& kind : app::screenKinds()) {
      for (const ui::WidgetDef& w : kind.def->widgets) {
        if (w.kind != ui::WidgetKind::Label)
          continue;
        SCOPED_TRACE(std::string(kind.name) + " " + std::string(w.name) + " at scale " + std::to_string(k));
        expectFits(translation.text(w.caption), w, fonts, {k});
        if (kind.name == names::reload)  // the line the reload ends with
          expectFits(translation.text(levels::ReloadScreen::kLoaded), w, fonts, {k});
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextFit,
                         testing::Values(lang::Language::czech, lang::Language::english),
                         [](const auto& info) {
                           return info.param == lang::Language::czech ? "Czech" : "English";
                         });

}  // namespace
}  // namespace vargo
