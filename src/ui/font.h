// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A font as a screen table names it: a face, a size in points at 96 dots per inch and a weight. The painter
// resolves the faces to installed fonts.

namespace vargo::ui {

enum class Face { MsSansSerif, MsSerif, PrincetownD };

struct FontSpec {
  Face face = Face::MsSansSerif;
  float points = 8.25F;
  int weight = 400;  // 400 regular, 700 bold

  // Sizes are points at 96 dots per inch: 8.25 pt is 11 px.
  constexpr int pixels() const { return static_cast<int>(points * 96.0F / 72.0F + 0.5F); }
  constexpr bool bold() const { return weight >= 600; }
  constexpr bool operator==(const FontSpec&) const = default;
};

namespace fonts {
inline constexpr FontSpec standard{};  // the default font of every label that sets none
inline constexpr FontSpec standardBold{Face::MsSansSerif, 8.25F, 700};
inline constexpr FontSpec sans9{Face::MsSansSerif, 9.75F, 400};
inline constexpr FontSpec sans12Bold{Face::MsSansSerif, 12.0F, 700};
inline constexpr FontSpec sans13{Face::MsSansSerif, 13.5F, 400};
inline constexpr FontSpec sans17{Face::MsSansSerif, 17.25F, 400};
inline constexpr FontSpec sans24{Face::MsSansSerif, 24.0F, 400};
inline constexpr FontSpec sans24Bold{Face::MsSansSerif, 24.0F, 700};
inline constexpr FontSpec serif6{Face::MsSerif, 6.75F, 400};
inline constexpr FontSpec counter{Face::PrincetownD, 20.25F, 400};  // score and magazine of the levels
}  // namespace fonts

}  // namespace vargo::ui
