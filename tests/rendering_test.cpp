// SPDX-License-Identifier: GPL-3.0-or-later
// What the painter draws, read back from the painted pixels: backgrounds, picture widgets cut to their
// rectangles, the one bordered picture, transparent labels with wrapped and clipped text, the progress bar,
// the stacking of the hover pictures and repainting only what changed.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include <SDL.h>

#include "app/screen_kinds.h"
#include "levels/level_catalogue.h"
#include "media/canvas.h"
#include "platform/sdl/sdl_ptrs.h"
#include "support/harness.h"
#include "support/painted_screen.h"
#include "support/widget_points.h"

namespace vargo::test {
namespace {

using media::Image;
using ui::Colour;
using ui::Rect;
using ui::WidgetDef;
using ui::WidgetKind;

constexpr Colour kWhite{255, 255, 255};

std::uint8_t alpha(std::uint32_t argb) {
  return static_cast<std::uint8_t>(argb >> 24);
}

// The part of rect inside the screen's client area.
Rect onScreen(const ui::ScreenDef& def, const Rect& rect) {
  return intersection(rect, ui::clientArea(def));
}

bool draws(const WidgetDef& w) {
  return w.kind != WidgetKind::ImageArea;
}

// Whether p lies in a widget that draws something and is visible now.
bool underAWidget(ui::Screen& screen, ui::Point p) {
  for (const ui::Widget& w : screen.widgets()) {
    if (w.visible && draws(*w.def) && w.def->rect.contains(p))
      return true;
  }
  return false;
}

// What a picture widget must show at p of its rectangle: its frame, its picture where the picture is
// opaque, its background colour where the picture is transparent or does not reach; nullopt where the
// picture is partly transparent and blends.
std::optional<Colour> expectedPictureColour(const WidgetDef& w, const Image& image, ui::Point p) {
  const Rect& r = w.rect;
  const bool onFrame = p.x == r.x || p.y == r.y || p.x == r.right() - 1 || p.y == r.bottom() - 1;
  if (w.border && onFrame)
    return ui::palette::windowFrame;
  const int inset = w.border ? 1 : 0;
  const int ix = p.x - r.x - inset;
  const int iy = p.y - r.y - inset;
  if (!image || ix >= image.size().width || iy >= image.size().height)
    return w.background;
  const std::uint32_t pixel = image.pixels().at(ix, iy);
  if (alpha(pixel) == 0)
    return w.background;
  if (alpha(pixel) == 255)
    return rgb(pixel);
  return std::nullopt;
}

// Shows the one picture widget alone and checks every pixel it covers, and that it covers no other.
void expectPictureAlone(PaintedScreen& painted, const WidgetDef& w) {
  painted.hidePictures();
  painted.repaint();
  const Snapshot without = painted.snapshot();
  painted.screen().setVisible(w.name, true);
  painted.repaint();
  EXPECT_TRUE(inside(differences(without, painted.snapshot()), w.rect)) << w.name << " draws outside itself";
  const Image image = Image::decode(w.picture);
  const Rect seen = onScreen(painted.screen().def(), w.rect);
  int wrong = 0;
  for (int y = seen.y; y < seen.bottom(); ++y) {
    for (int x = seen.x; x < seen.right(); ++x) {
      const auto expected = expectedPictureColour(w, image, {x, y});
      if (expected && painted.at(x, y) != *expected)
        ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << w.name << ": pixels unlike its picture, background or frame";
}

// ---- backgrounds ----

TEST(Backgrounds, PictureAtTheTopLeftAndTheColourBeyondIt) {
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    PaintedScreen painted(kind.name);
    const ui::WindowDef& window = kind.def->window;
    const Image picture = Image::decode(window.picture);
    int wrong = 0;
    for (int y = 0; y < window.client.height; ++y) {
      for (int x = 0; x < window.client.width; ++x) {
        if (underAWidget(painted.screen(), {x, y}))
          continue;
        const bool onPicture = picture && x < picture.size().width && y < picture.size().height;
        const std::uint32_t p = onPicture ? picture.pixels().at(x, y) : 0;
        if (onPicture && alpha(p) != 0 && alpha(p) != 255)
          continue;
        const Colour expected = onPicture && alpha(p) == 255 ? rgb(p) : window.background;
        if (painted.at(x, y) != expected)
          ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << kind.name;
  }
}

TEST(Backgrounds, MenuCornersAndRightmostColumnShowWhite) {
  PaintedScreen menu("Vargo1");
  const ui::Size client = menu.screen().def().window.client;
  const Image art = Image::decode(menu.screen().def().window.picture);
  ASSERT_LT(art.size().width, client.width);
  for (const ui::Point corner : {ui::Point{0, 0},
                                 {art.size().width - 1, 0},
                                 {0, client.height - 1},
                                 {art.size().width - 1, client.height - 1}}) {
    EXPECT_EQ(alpha(art.pixels().at(corner.x, corner.y)), 0) << "the art's corner is transparent";
    EXPECT_EQ(menu.at(corner), kWhite) << corner.x << "," << corner.y;
  }
  for (int y = 0; y < client.height; ++y)
    EXPECT_EQ(menu.at(client.width - 1, y), kWhite) << "row " << y;
}

// ---- picture widgets ----

TEST(PictureWidgets, EveryPictureShowsItsImageClippedOverItsBackground) {
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    PaintedScreen painted(kind.name);
    for (const WidgetDef& w : kind.def->widgets) {
      if (w.kind == WidgetKind::Picture)
        expectPictureAlone(painted, w);
    }
  }
}

struct Cut {
  std::string_view screen;
  std::string_view widget;
  int imageRows;
  int shownRows;
};

TEST(PictureWidgets, APictureTallerThanItsWidgetShowsOnlyItsUpperRows) {
  for (const Cut& cut : {Cut{"level5", "Picture4", 95, 30}, Cut{"About", "Picture2", 288, 257}}) {
    PaintedScreen painted(cut.screen);
    const WidgetDef& w = painted.widget(cut.widget);
    const Image image = Image::decode(w.picture);
    ASSERT_EQ(image.size().height, cut.imageRows) << cut.widget;
    painted.hidePictures();
    painted.repaint();
    const Snapshot without = painted.snapshot();
    painted.screen().setVisible(w.name, true);
    painted.repaint();
    const int width = std::min(w.rect.width, image.size().width);
    int wrong = 0;
    for (int y = 0; y < cut.shownRows; ++y) {
      for (int x = 0; x < width; ++x) {
        if (painted.at(w.rect.x + x, w.rect.y + y) != rgb(image.pixels().at(x, y)))
          ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << cut.screen << " " << cut.widget << ": the upper rows are the image's";
    const Rect changed = differences(without, painted.snapshot());
    EXPECT_LE(changed.bottom(), w.rect.y + cut.shownRows)
        << cut.screen << " " << cut.widget << ": no lower row";
  }
}

TEST(PictureWidgets, AWidgetWiderThanItsPictureShowsItsBackgroundInTheStrip) {
  PaintedScreen snow("level3");
  const WidgetDef& w = snow.widget("Picture1");
  const Image image = Image::decode(w.picture);
  ASSERT_EQ(w.rect.width - image.size().width, 10);
  snow.screen().setVisible("Picture1", true);
  snow.repaint();
  for (int y = w.rect.y; y < w.rect.bottom(); ++y) {
    for (int x = w.rect.right() - 10; x < w.rect.right(); ++x)
      ASSERT_EQ(snow.at(x, y), kWhite) << x << "," << y;
  }
}

TEST(PictureWidgets, OnlyTheStraightWeaponOfTheForestHasABorder) {
  PaintedScreen forest("level2");
  const WidgetDef& w = forest.widget("Picture9");
  const Rect& r = w.rect;
  for (int x = r.x; x < r.right(); ++x) {
    EXPECT_EQ(forest.at(x, r.y), ui::palette::windowFrame);
    EXPECT_EQ(forest.at(x, r.bottom() - 1), ui::palette::windowFrame);
  }
  for (int y = r.y; y < r.bottom(); ++y) {
    EXPECT_EQ(forest.at(r.x, y), ui::palette::windowFrame);
    EXPECT_EQ(forest.at(r.right() - 1, y), ui::palette::windowFrame);
  }
  const Image image = Image::decode(w.picture);
  EXPECT_EQ(alpha(image.pixels().at(0, 10)), 0) << "the image's leftmost column is transparent";
  EXPECT_EQ(forest.at(r.x + 1, r.y + 10), w.background) << "and shows the background one pixel in";
  expectPictureAlone(forest, w);  // the picture one pixel in from each edge, inside the frame
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    for (const WidgetDef& other : kind.def->widgets) {
      if (other.kind == WidgetKind::Picture && other.name != w.name) {
        EXPECT_FALSE(other.border) << kind.name << " " << other.name;
      }
    }
  }
}

// ---- labels ----

// Paints a label with two captions and gives the box of pixels in which the paintings differ.
Rect inkOf(PaintedScreen& painted, std::string_view label, std::string_view caption) {
  painted.screen().setCaption(label, "");
  painted.repaint();
  const Snapshot empty = painted.snapshot();
  painted.screen().setCaption(label, caption);
  painted.repaint();
  return differences(empty, painted.snapshot());
}

TEST(Labels, BackgroundIsTransparent) {
  PaintedScreen diary("Mise1");
  diary.screen().setCaption("Label1", "");
  diary.repaint();
  const Snapshot empty = diary.snapshot();
  diary.screen().setVisible("Label1", false);
  diary.repaint();
  EXPECT_TRUE(differences(empty, diary.snapshot()).empty());
}

TEST(Labels, TextIsClippedToTheLabel) {
  PaintedScreen dunes("level1");
  const Rect& exit = dunes.widget("Label3").rect;
  const Rect ink = inkOf(dunes, "Label3", "Přebíjím přebíjím\r\npřebíjím\r\npřebíjím");
  EXPECT_FALSE(ink.empty());
  EXPECT_TRUE(inside(ink, exit)) << "ink at " << ink.x << "," << ink.y << " " << ink.width << "x"
                                 << ink.height;
}

TEST(Labels, LongTextWrapsOntoSeveralLinesInsideTheLabel) {
  PaintedScreen diary("Mise1");
  const WidgetDef& label = diary.widget("Label1");
  std::string words;
  for (int i = 0; i < 30; ++i)
    words += "slovo ";
  const Rect ink = inkOf(diary, "Label1", words);
  EXPECT_TRUE(inside(ink, label.rect));
  EXPECT_GT(ink.height, 3 * label.font.pixels()) << "several lines";
  EXPECT_GT(ink.width, label.rect.width / 2) << "lines fill the width";
}

Snapshot paintedWith(PaintedScreen& painted, std::string_view label, std::string_view caption) {
  painted.screen().setCaption(label, caption);
  painted.repaint();
  return painted.snapshot();
}

TEST(Labels, EveryLineBreakStartsANewLine) {
  PaintedScreen diary("Mise1");
  const Rect oneLine = inkOf(diary, "Label1", "Ráno jedna dvě");
  const Rect threeLines = inkOf(diary, "Label1", "Ráno\r\njedna\r\ndvě");
  EXPECT_GT(threeLines.height, 2 * oneLine.height) << "CR LF";
  const Snapshot crlf = diary.snapshot();
  EXPECT_TRUE(differences(crlf, paintedWith(diary, "Label1", "Ráno\njedna\ndvě")).empty()) << "LF";
  EXPECT_TRUE(differences(crlf, paintedWith(diary, "Label1", "Ráno\rjedna\rdvě")).empty()) << "lone CR";
}

TEST(Labels, TextHasTheLabelsColour) {
  for (const auto& [level, label] : {std::pair{"level2", "Label1"}, std::pair{"level5", "Label2"}}) {
    PaintedScreen painted(level);
    const WidgetDef& w = painted.widget(label);
    int inColour = 0;
    for (int y = w.rect.y; y < w.rect.bottom(); ++y) {
      for (int x = w.rect.x; x < w.rect.right(); ++x)
        inColour += painted.at(x, y) == w.textColour ? 1 : 0;
    }
    EXPECT_GT(inColour, 10) << level << " " << label;
  }
}

TEST(Labels, WithoutAnyFontLabelsDrawNothingAndTheRestStill) {
  const media::FontFinder none = [](ui::Face, bool) { return std::optional<media::FontFile>{}; };
  for (std::string_view kind : {"Mise1", "level1", "akce", "nabíjení"}) {
    PaintedScreen fontless(kind, none);
    PaintedScreen captionless(kind);
    for (const WidgetDef& w : captionless.screen().def().widgets) {
      if (w.kind == WidgetKind::Label)
        captionless.screen().setCaption(w.name, "");
    }
    captionless.repaint();
    EXPECT_TRUE(differences(fontless.snapshot(), captionless.snapshot()).empty()) << kind;
  }
}

// ---- the progress bar ----

struct BarPixels {
  int highlightColumns = 0;  // columns that hold the fill colour
  int rightmostHighlight = -1;
};

BarPixels barOf(const platform::HeadlessPlatform::Window& window, const Rect& bar) {
  BarPixels out;
  for (int x = bar.x; x < bar.right(); ++x) {
    if (rgb(window.pixel(x, bar.y + bar.height / 2)) == ui::palette::highlight) {
      ++out.highlightColumns;
      out.rightmostHighlight = x;
    }
  }
  return out;
}

TEST(ProgressBar, EmptyAtTheStartHalfwayAtFiftyFullAtTheEnd) {
  Harness h;
  h.show("level1");
  for (int i = 0; i < 10; ++i)
    h.click("level1", 300, 30);
  ASSERT_TRUE(h.loaded("nabíjení"));
  const Rect bar = widgetOf(h.screen("nabíjení").def(), "prbEgg").rect;
  const auto& window = *h.platform.window(*h.registry.windowOf("nabíjení"));
  const Rect inside{bar.x + 2, bar.y + 2, bar.width - 4, bar.height - 4};

  EXPECT_EQ(barOf(window, bar).highlightColumns, 0) << "value 0";
  EXPECT_EQ(rgb(window.pixel(bar.x + 5, bar.y)), ui::palette::shadow) << "sunken: dark at the top";
  EXPECT_EQ(rgb(window.pixel(bar.x, bar.y + 5)), ui::palette::shadow) << "and at the left";
  EXPECT_EQ(rgb(window.pixel(bar.x + 5, bar.bottom() - 1)), ui::palette::lightEdge) << "light at the bottom";
  EXPECT_EQ(rgb(window.pixel(bar.right() - 1, bar.y + 5)), ui::palette::lightEdge) << "and at the right";

  h.screen("nabíjení").setValue("prbEgg", 50.0F);
  h.registry.present();
  const BarPixels half = barOf(window, bar);
  const double reached = static_cast<double>(half.rightmostHighlight + 1 - inside.x) / inside.width;
  EXPECT_NEAR(reached, 0.5, 0.05) << "value 50";
  EXPECT_LT(half.highlightColumns, half.rightmostHighlight + 1 - inside.x) << "in blocks with gaps";

  h.screen("nabíjení").setValue("prbEgg", 100.0F);
  h.registry.present();
  const BarPixels full = barOf(window, bar);
  EXPECT_GT(full.rightmostHighlight, inside.right() - 1 - inside.height) << "value 100 reaches the end";
  EXPECT_LT(full.rightmostHighlight, bar.right() - 1) << "inside the frame";
}

// ---- stacking and repainting ----

struct HoverPair {
  std::string_view level;
  std::string_view upper;
  std::string_view lower;
};

TEST(Stacking, BothHoverPicturesUpTheUpperOneShowsWhereTheyOverlap) {
  for (const HoverPair& p : {HoverPair{"level1", "Picture2", "Picture1"},
                             {"level2", "Picture8", "Picture2"},
                             {"level3", "Picture3", "Picture1"},
                             {"level4", "Picture1", "Picture2"},
                             {"level5", "Picture3", "Picture1"}}) {
    Harness h;
    h.show(p.level);
    const ui::Point left = pointOn(h.screen(p.level), "Image1");
    const ui::Point right = pointOn(h.screen(p.level), "Image2");
    h.move(p.level, left.x, left.y);
    h.move(p.level, right.x, right.y);
    ASSERT_TRUE(h.visible(p.level, p.upper) && h.visible(p.level, p.lower)) << p.level;
    const WidgetDef& upper = widgetOf(h.screen(p.level).def(), p.upper);
    const Rect overlap = onScreen(h.screen(p.level).def(),
                                  intersection(upper.rect, widgetOf(h.screen(p.level).def(), p.lower).rect));
    ASSERT_FALSE(overlap.empty()) << p.level;
    const Image image = Image::decode(upper.picture);
    const auto& window = *h.platform.window(*h.registry.windowOf(p.level));
    int wrong = 0;
    for (int y = overlap.y; y < overlap.bottom(); ++y) {
      for (int x = overlap.x; x < overlap.right(); ++x) {
        const auto expected = expectedPictureColour(upper, image, {x, y});
        if (expected && rgb(window.pixel(x, y)) != *expected)
          ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << p.level << ": " << p.upper << " lies above " << p.lower;
  }
}

TEST(Repainting, OnlyTheGivenAreasChange) {
  PaintedScreen dunes("level1");
  const Snapshot before = dunes.snapshot();
  dunes.screen().setVisible("Picture4", true);
  dunes.screen().setVisible("Picture6", true);
  const Rect first = dunes.widget("Picture4").rect;
  const Rect second = dunes.widget("Picture6").rect;
  ASSERT_TRUE(intersection(first, second).empty());
  dunes.repaint(std::span(&first, 1));
  const Rect changed = differences(before, dunes.snapshot());
  EXPECT_FALSE(changed.empty());
  EXPECT_TRUE(inside(changed, first)) << "the second target is not painted yet";
  dunes.repaint(std::span(&second, 1));
  EXPECT_TRUE(inside(differences(before, dunes.snapshot()), boundingBox(first, second)));
  EXPECT_FALSE(inside(differences(before, dunes.snapshot()), first)) << "now it is";
}

// Text is kept as its coverage and blended by the game itself: for every alpha over every background each
// channel comes out within one level of the exact blend, and nothing is drawn outside the clip.
TEST(Rendering, CoverageBlendsWithinOneLevelOfTheExactBlend) {
  const Colour ink{200, 30, 90};
  const Colour grounds[] = {{0, 0, 0}, {255, 255, 255}, {10, 250, 128}};
  media::Coverage coverage{{256, 1}, {}};
  for (int a = 0; a < 256; ++a)
    coverage.alpha.push_back(static_cast<std::uint8_t>(a));
  const auto exact = [](int ink, int ground, int a) {
    return static_cast<int>(std::lround(ground + (ink - ground) * a / 255.0));
  };
  for (const Colour ground : grounds) {
    const sdl::SurfacePtr canvas{SDL_CreateRGBSurfaceWithFormat(0, 256, 2, 32, SDL_PIXELFORMAT_ARGB8888)};
    SDL_FillRect(canvas.get(), nullptr, SDL_MapRGB(canvas->format, ground.red, ground.green, ground.blue));
    media::clipTo(canvas.get(), {0, 0, 256, 1});
    media::blend(canvas.get(), coverage, ink, {0, 0});
    media::blend(canvas.get(), coverage, ink, {0, 1});  // outside the clip
    const auto* pixels = static_cast<const std::uint32_t*>(canvas->pixels);
    for (int a = 0; a < 256; ++a) {
      const Colour got = rgb(pixels[a]);
      EXPECT_LE(std::abs(got.red - exact(ink.red, ground.red, a)), 1) << "red at alpha " << a;
      EXPECT_LE(std::abs(got.green - exact(ink.green, ground.green, a)), 1) << "green at alpha " << a;
      EXPECT_LE(std::abs(got.blue - exact(ink.blue, ground.blue, a)), 1) << "blue at alpha " << a;
      EXPECT_EQ(rgb(pixels[256 + a]), ground) << "outside the clip, alpha " << a;
    }
  }
}

}  // namespace
}  // namespace vargo::test
