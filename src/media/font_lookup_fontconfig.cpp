// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace vargo::media {

namespace {

struct PatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct CharSetFree {
  void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;
using CharSet = std::unique_ptr<FcCharSet, CharSetFree>;

CharSet czechCharSet() {
  CharSet set(FcCharSetCreate());
  for (char32_t c : kCzechLetters)
    FcCharSetAddChar(set.get(), c);
  return set;
}

bool sameFamily(FcPattern* font, const char* family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0)
      return true;
  }
  return false;
}

bool coversCzech(FcPattern* font, const FcCharSet* czech) {
  FcCharSet* has = nullptr;
  return FcPatternGetCharSet(font, FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetIsSubset(czech, has);
}

bool upright(FcPattern* font) {
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  return slant == FC_SLANT_ROMAN;
}

Pattern bestMatch(const char* family, bool bold, const FcCharSet* czech) {
  Pattern wanted(FcPatternCreate());
  FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(wanted.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  // By weight alone a family's book cut can win over its regular one; the style name settles it.
  FcPatternAddString(wanted.get(), FC_STYLE, reinterpret_cast<const FcChar8*>(bold ? "Bold" : "Regular"));
  FcPatternAddInteger(wanted.get(), FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
  FcPatternAddCharSet(wanted.get(), FC_CHARSET, const_cast<FcCharSet*>(czech));
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, wanted.get(), &result));
}

std::optional<FontFile> fileOf(FcPattern* font, bool bold) {
  FcChar8* path = nullptr;
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch ||
      FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) {
    return std::nullopt;
  }
  int index = 0;
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  return FontFile{reinterpret_cast<const char*>(family), reinterpret_cast<const char*>(path), index,
                  bold && weight < FC_WEIGHT_DEMIBOLD};
}

std::optional<FontFile> tryCandidate(const FontCandidate& c, bool bold, const FcCharSet* czech) {
  const bool wantBold = bold || c.forceBold;
  const Pattern font = bestMatch(c.family, wantBold, czech);
  if (!font || !coversCzech(font.get(), czech) || !upright(font.get()))
    return std::nullopt;
  if (!c.generic && !sameFamily(font.get(), c.family))
    return std::nullopt;
  return fileOf(font.get(), wantBold);
}

}  // namespace

std::optional<FontFile> lookUpFamily(const FontCandidate& candidate, bool bold) {
  if (FcInit() != FcTrue)
    return std::nullopt;
  static const CharSet czech = czechCharSet();
  return tryCandidate(candidate, bold, czech.get());
}

}  // namespace vargo::media
