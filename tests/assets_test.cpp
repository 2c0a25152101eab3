// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded images: every picture of the game decodes at the size its screens are laid out for, is
// transparent exactly where the screens rely on it, and every image a screen names is built in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_kinds.h"
#include "media/embedded_images.h"
#include "media/image.h"

namespace {

using vargo::media::Image;
using vargo::platform::Pixels;
using vargo::ui::Rect;
using vargo::ui::Size;

// Opaque pictures replace the whole rectangle they are drawn in. Shaped ones have transparent parts,
// each checked by a test of its own below.
enum class Ground { Opaque, Shaped };

struct Asset {
  std::string_view name;
  Size size;
  Ground ground;
};

constexpr Ground kOpaque = Ground::Opaque;
constexpr Ground kShaped = Ground::Shaped;

constexpr Asset kCatalogue[] = {
    // front end
    {"menu", {458, 469}, kShaped},
    {"diary", {710, 461}, kOpaque},
    {"photo_assault", {400, 221}, kOpaque},
    {"photo_team", {217, 288}, kOpaque},
    {"uniform", {196, 350}, kOpaque},
    {"cursor", {48, 48}, kShaped},
    {"icon", {48, 48}, kShaped},
    // desert with dunes
    {"level1_scene", {599, 321}, kOpaque},
    {"level1_gunman", {68, 121}, kOpaque},
    {"level1_gunman_hit", {68, 121}, kOpaque},
    {"level1_gunman2", {68, 121}, kOpaque},
    {"level1_gunman2_hit", {68, 121}, kOpaque},
    {"level1_weapon_left", {110, 89}, kOpaque},
    {"level1_weapon_right", {110, 89}, kOpaque},
    // forest
    {"level2_scene", {600, 325}, kOpaque},
    {"level2_tree_gunman", {50, 80}, kOpaque},
    {"level2_tree_gunman_hit", {45, 78}, kOpaque},
    {"level2_small_gunman", {36, 57}, kOpaque},
    {"level2_small_gunman_hit", {36, 57}, kOpaque},
    {"level2_bush_gunman", {64, 116}, kOpaque},
    {"level2_bush_gunman_hit", {63, 114}, kOpaque},
    {"level2_weapon_left", {99, 75}, kOpaque},
    {"level2_weapon_right", {99, 76}, kOpaque},
    {"level2_weapon_straight", {30, 74}, kShaped},
    // snowfield
    {"level3_scene", {600, 322}, kOpaque},
    {"level3_igloo_gunman", {88, 128}, kOpaque},
    {"level3_igloo_gunman_hit", {88, 128}, kOpaque},
    {"level3_edge_gunman", {73, 112}, kOpaque},
    {"level3_edge_gunman_hit", {73, 112}, kOpaque},
    {"level3_field_gunman", {76, 115}, kOpaque},
    {"level3_field_gunman_hit", {76, 115}, kOpaque},
    {"level3_tripod_gunman", {80, 71}, kOpaque},
    {"level3_tripod_gunman_hit", {80, 71}, kOpaque},
    {"level3_weapon_left", {103, 81}, kOpaque},
    {"level3_weapon_right", {103, 81}, kOpaque},
    // desert with the watchtower
    {"level4_scene", {599, 322}, kOpaque},
    {"level4_shirt_gunman", {67, 119}, kOpaque},
    {"level4_shirt_gunman_hit", {67, 119}, kOpaque},
    {"level4_weapon_left", {171, 138}, kOpaque},
    {"level4_weapon_right", {122, 129}, kOpaque},
    // hall
    {"level5_scene", {601, 322}, kOpaque},
    {"level5_pipe_gunman", {52, 95}, kOpaque},
    {"level5_pipe_gunman_hit", {52, 95}, kOpaque},
    {"level5_commando", {53, 114}, kOpaque},
    {"level5_commando_hit", {53, 114}, kOpaque},
    {"level5_door_soldier", {33, 67}, kOpaque},
    {"level5_door_soldier_hit", {33, 67}, kOpaque},
    {"level5_far_gunman", {29, 51}, kOpaque},
    {"level5_far_gunman_hit", {29, 51}, kOpaque},
    {"level5_rifle_left", {78, 67}, kOpaque},
    {"level5_rifle_right", {78, 67}, kOpaque},
};

// ---- pixels ----

using PixelTest = bool (*)(std::uint32_t argb);

std::uint32_t alphaOf(std::uint32_t argb) {
  return argb >> 24;
}
std::uint32_t redOf(std::uint32_t argb) {
  return (argb >> 16) & 0xFF;
}
std::uint32_t greenOf(std::uint32_t argb) {
  return (argb >> 8) & 0xFF;
}
std::uint32_t blueOf(std::uint32_t argb) {
  return argb & 0xFF;
}

bool isOpaque(std::uint32_t argb) {
  return alphaOf(argb) == 0xFF;
}
bool isClear(std::uint32_t argb) {
  return alphaOf(argb) == 0;
}
bool isOpaqueBlack(std::uint32_t argb) {
  return isOpaque(argb) && redOf(argb) <= 0x40 && greenOf(argb) <= 0x40 && blueOf(argb) <= 0x40;
}
bool isOpaqueRed(std::uint32_t argb) {
  return isOpaque(argb) && redOf(argb) >= 0xB0 && greenOf(argb) <= 0x50 && blueOf(argb) <= 0x50;
}

std::string sizeText(Size s) {
  return std::to_string(s.width) + " x " + std::to_string(s.height);
}

Rect bounds(const Image& image) {
  return {0, 0, image.size().width, image.size().height};
}

// Succeeds when every pixel of the area (clipped to the image) passes; otherwise names the first that
// does not.
testing::AssertionResult everyPixel(const Image& image, Rect area, PixelTest test) {
  const Pixels px = image.pixels();
  const Rect clipped = vargo::ui::intersection(area, bounds(image));
  if (clipped.empty())
    return testing::AssertionFailure() << "the area lies outside the image";
  for (int y = clipped.y; y < clipped.bottom(); ++y) {
    for (int x = clipped.x; x < clipped.right(); ++x) {
      if (!test(px.at(x, y))) {
        std::ostringstream argb;
        argb << std::hex << px.at(x, y);
        return testing::AssertionFailure() << "pixel " << x << ", " << y << " is ARGB 0x" << argb.str();
      }
    }
  }
  return testing::AssertionSuccess();
}

int countPixels(const Image& image, PixelTest test) {
  const Pixels px = image.pixels();
  int count = 0;
  for (int y = 0; y < px.height; ++y)
    for (int x = 0; x < px.width; ++x)
      count += test(px.at(x, y)) ? 1 : 0;
  return count;
}

// The named image, decoded; empty when it is missing, does not decode or is not of its catalogue size.
Image loadAtSize(std::string_view name) {
  Image image = Image::decode(name);
  const auto entry = std::ranges::find(kCatalogue, name, &Asset::name);
  if (entry == std::end(kCatalogue) || image.size() != entry->size)
    return {};
  return image;
}

constexpr std::string_view kNotAtSize = " is missing or not of its catalogue size";

// ---- the catalogue ----

TEST(AssetCatalogue, EveryImageDecodesAtItsSize) {
  for (const Asset& asset : kCatalogue) {
    const Image image = Image::decode(asset.name);
    if (!image) {
      ADD_FAILURE() << asset.name << " is missing or does not decode";
      continue;
    }
    EXPECT_EQ(sizeText(image.size()), sizeText(asset.size)) << asset.name;
  }
}

TEST(AssetCatalogue, EmbedsNoImageBesideTheCatalogue) {
  std::set<std::string_view> catalogue;
  for (const Asset& asset : kCatalogue)
    catalogue.insert(asset.name);
  std::set<std::string_view> embedded;
  for (const auto& image : vargo::media::embeddedImages())
    embedded.insert(image.name);
  EXPECT_EQ(catalogue.size(), std::size(kCatalogue)) << "a name stands twice in the catalogue";
  EXPECT_EQ(embedded, catalogue);
}

TEST(AssetCatalogue, FiguresWeaponsScenesAndPhotographsHaveNoTransparentPixel) {
  for (const Asset& asset : kCatalogue) {
    if (asset.ground != Ground::Opaque)
      continue;
    const Image image = loadAtSize(asset.name);
    if (!image) {
      ADD_FAILURE() << asset.name << kNotAtSize;
      continue;
    }
    EXPECT_TRUE(everyPixel(image, bounds(image), isOpaque)) << asset.name;
  }
}

// ---- the menu picture ----

TEST(MenuPicture, CornersOutsideTheFrameAreTransparent) {
  const Image menu = loadAtSize("menu");
  ASSERT_TRUE(menu) << "menu" << kNotAtSize;
  const int right = menu.size().width - 3;
  const int bottom = menu.size().height - 3;
  for (const Rect corner :
       {Rect{0, 0, 3, 3}, Rect{right, 0, 3, 3}, Rect{0, bottom, 3, 3}, Rect{right, bottom, 3, 3}})
    EXPECT_TRUE(everyPixel(menu, corner, isClear)) << "corner at " << corner.x << ", " << corner.y;
}

TEST(MenuPicture, ButtonFacesAreOpaqueUnderTheirClickAreas) {
  struct Button {
    std::string_view caption;
    Rect area;  // the image area of Vargo1 laid over the painted button
  };
  constexpr Button buttons[] = {
      {"Nová hra", {116, 148, 225, 61}},
      {"O Vargo", {116, 216, 225, 57}},
      {"CREDITS", {116, 280, 225, 57}},
      {"KONEC", {116, 344, 225, 65}},
  };
  const Image menu = loadAtSize("menu");
  ASSERT_TRUE(menu) << "menu" << kNotAtSize;
  for (const Button& button : buttons)
    EXPECT_TRUE(everyPixel(menu, button.area, isOpaque)) << button.caption;
}

// ---- the straight weapon of the forest level ----

TEST(StraightWeapon, OnlyTheLeftmostColumnIsTransparent) {
  const Image weapon = loadAtSize("level2_weapon_straight");
  ASSERT_TRUE(weapon) << "the straight weapon" << kNotAtSize;
  const Size size = weapon.size();
  EXPECT_TRUE(everyPixel(weapon, {0, 0, 1, size.height}, isClear));
  EXPECT_TRUE(everyPixel(weapon, {1, 0, size.width - 1, size.height}, isOpaque));
}

// ---- the crosshairs: level cursor and window icon ----

struct CrosshairCase {
  std::string_view name;
  PixelTest ringColour;
};

void PrintTo(const CrosshairCase& c, std::ostream* os) {
  *os << c.name;
}

class Crosshair : public testing::TestWithParam<CrosshairCase> {};

TEST_P(Crosshair, GroundIsTransparent) {
  const Image image = loadAtSize(GetParam().name);
  ASSERT_TRUE(image) << GetParam().name << kNotAtSize;
  const int w = image.size().width;
  const int h = image.size().height;
  for (const Rect corner :
       {Rect{0, 0, 4, 4}, Rect{w - 4, 0, 4, 4}, Rect{0, h - 4, 4, 4}, Rect{w - 4, h - 4, 4, 4}})
    EXPECT_TRUE(everyPixel(image, corner, isClear)) << "corner at " << corner.x << ", " << corner.y;
  EXPECT_TRUE(everyPixel(image, {w / 2 - 1, h / 2 - 1, 2, 2}, isClear)) << "the middle of the ring";
  EXPECT_GT(countPixels(image, isClear), w * h / 2) << "a thin crosshair on a clear ground";
}

// Walks out from the centre of the image along rays between the ticks; each ray must meet the ring at
// the same distance, give or take a pixel of rasterisation.
TEST_P(Crosshair, RingOfItsColourIsCentred) {
  const Image image = loadAtSize(GetParam().name);
  ASSERT_TRUE(image) << GetParam().name << kNotAtSize;
  const Pixels px = image.pixels();
  const double cx = px.width / 2.0;
  const double cy = px.height / 2.0;
  std::vector<double> radii;
  for (int ray = 0; ray < 8; ++ray) {
    const double angle = (22.5 + 45.0 * ray) * std::numbers::pi / 180.0;
    for (double r = 1.0; r < cx; r += 0.25) {
      const int x = static_cast<int>(std::floor(cx + r * std::cos(angle)));
      const int y = static_cast<int>(std::floor(cy + r * std::sin(angle)));
      if (GetParam().ringColour(px.at(x, y))) {
        radii.push_back(r);
        break;
      }
    }
  }
  ASSERT_EQ(radii.size(), 8U) << "every ray between the ticks meets the ring";
  const auto [nearest, farthest] = std::ranges::minmax(radii);
  EXPECT_LE(farthest - nearest, 2.0) << "ring centred in the image";
  EXPECT_GE(nearest, cx / 4) << "a ring, not a dot";
  EXPECT_LE(farthest, cx * 7 / 8) << "a ring inside the image";
}

INSTANTIATE_TEST_SUITE_P(LevelCursorAndIcon, Crosshair,
                         testing::Values(CrosshairCase{"cursor", isOpaqueBlack},
                                         CrosshairCase{"icon", isOpaqueRed}),
                         [](const testing::TestParamInfo<CrosshairCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- the screens ----

struct NamedImage {
  std::string_view screen;
  std::string_view owner;  // the widget, or the window's background or icon
  std::string_view image;
};

// Every image a screen definition names: background pictures, icons and picture widgets' pictures.
std::vector<NamedImage> imagesNamedByScreens() {
  std::vector<NamedImage> named;
  const auto add = [&named](std::string_view screen, std::string_view owner, std::string_view image) {
    if (!image.empty())
      named.push_back({screen, owner, image});
  };
  for (const auto& kind : vargo::app::screenKinds()) {
    if (kind.def == nullptr)
      continue;
    add(kind.name, "background", kind.def->window.picture);
    add(kind.name, "icon", kind.def->window.icon);
    for (const auto& widget : kind.def->widgets)
      add(kind.name, widget.name, widget.picture);
  }
  return named;
}

TEST(ScreenDefinitions, EveryScreenHasADefinition) {
  for (const auto& kind : vargo::app::screenKinds())
    EXPECT_NE(kind.def, nullptr) << kind.name;
}

TEST(ScreenDefinitions, NameOnlyEmbeddedImages) {
  const auto named = imagesNamedByScreens();
  ASSERT_FALSE(named.empty()) << "the screens name their pictures";
  for (const NamedImage& n : named)
    EXPECT_FALSE(vargo::media::findEmbeddedImage(n.image).empty())
        << n.screen << " " << n.owner << ": " << n.image;
}

// The registry takes the level cursor by itself; every other image must be shown by some screen.
TEST(ScreenDefinitions, ShowEveryCatalogueImage) {
  std::set<std::string_view> shown;
  for (const NamedImage& n : imagesNamedByScreens())
    shown.insert(n.image);
  for (const Asset& asset : kCatalogue) {
    if (asset.name == "cursor")
      continue;
    EXPECT_TRUE(shown.contains(asset.name)) << asset.name << " is shown by no screen";
  }
}

}  // namespace
