// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the game draws with: every face stands in with an installed font that has the Czech letters,
// opened at the pixel size of its points at 96 dots per inch; bold is bold; a broken or missing font file
// leaves the text out without failing.

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>

#include "media/fonts.h"

namespace vargo::media {
namespace {

namespace fonts = ui::fonts;

constexpr ui::FontSpec kUsed[] = {fonts::standard, fonts::standardBold, fonts::sans9,  fonts::sans12Bold,
                                  fonts::sans13,   fonts::sans17,       fonts::sans24, fonts::sans24Bold,
                                  fonts::serif6,   fonts::counter};

constexpr char32_t kCzech[] = U"ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";

int widthOf(TTF_Font* font, const char* text) {
  int width = 0;
  TTF_SizeUTF8(font, text, &width, nullptr);
  return width;
}

TEST(Fonts, EveryFontTheGameUsesOpensWithTheCzechLetters) {
  Fonts all;
  for (const ui::FontSpec& spec : kUsed) {
    TTF_Font* font = all.font(spec);
    ASSERT_NE(font, nullptr) << spec.points << " pt";
    for (const char32_t c : std::u32string_view(kCzech))
      EXPECT_TRUE(TTF_GlyphIsProvided32(font, c)) << spec.points << " pt lacks U+" << std::hex << +c;
  }
}

TEST(Fonts, SizesArePointsAtNinetySixDotsPerInch) {
  EXPECT_EQ(fonts::standard.pixels(), 11);
  EXPECT_EQ(fonts::sans24.pixels(), 32);
  Fonts all;
  for (const ui::FontSpec& spec : kUsed) {
    const int lineHeight = TTF_FontHeight(all.font(spec));
    EXPECT_GE(lineHeight, spec.pixels()) << spec.points << " pt";
    EXPECT_LE(lineHeight, spec.pixels() * 3 / 2 + 1) << spec.points << " pt";
  }
}

TEST(Fonts, BoldIsDrawnHeavier) {
  Fonts all;
  const ui::FontSpec regular12{ui::Face::MsSansSerif, 12.0F, 400};
  const ui::FontSpec regular24{ui::Face::MsSansSerif, 24.0F, 400};
  EXPECT_GT(widthOf(all.font(fonts::sans12Bold), "Přebíjím"), widthOf(all.font(regular12), "Přebíjím"));
  EXPECT_GT(widthOf(all.font(fonts::sans24Bold), "OK"), widthOf(all.font(regular24), "OK"));
}

TEST(Fonts, EachSpecIsOpenedOnce) {
  Fonts all;
  EXPECT_EQ(all.font(fonts::standard), all.font(fonts::standard));
  EXPECT_NE(all.font(fonts::standard), all.font(fonts::standardBold));
}

TEST(Fonts, AFileThatDoesNotOpenLeavesTheTextOut) {
  int asked = 0;
  Fonts broken([&](ui::Face, bool) {
    ++asked;
    return std::optional<FontFile>(FontFile{"Missing", "/nonexistent/missing.ttf"});
  });
  EXPECT_EQ(broken.font(fonts::standard), nullptr);
  EXPECT_EQ(broken.font(fonts::standard), nullptr);
  EXPECT_EQ(asked, 1) << "a miss is remembered, not retried on every paint";
}

}  // namespace
}  // namespace vargo::media
