// SPDX-License-Identifier: GPL-3.0-or-later
// The history screen: a long article on the unit's best-known operation. It is opened over About and
// placed at a fixed desktop position; its "OK" closes it alone.

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"

namespace vargo::screens {

namespace {

using ui::label;
namespace fonts = ui::fonts;

constexpr std::string_view kName = names::akce;

constexpr ui::WidgetDef kWidgets[] = {
    // "OK" lies above the article's bottom edge, so it keeps the clicks there.
    label("Label3", {404, 704, 37, 25}, "OK", fonts::sans17, look::text, look::cursor),
    label("Label2", {8, 16, 833, 692}, texts::akceArticle, fonts::serif6, look::text, look::arrow),
    // The heading starts 4 px above the client area; its top rows are cut off.
    label("Label1", {384, -4, 73, 37}, "Akce", fonts::sans24, look::text, look::arrow),
};
constexpr ui::ScreenDef kScreen{
    {"Form1", {845, 733}, ui::Placement::atPosition(98, 12), look::lightBlue}, kWidgets, {}};

}  // namespace

ui::ScreenKind akceKind() {
  return kindOf(kName, kScreen, {onClick(ui::widgetNamed(kScreen, "Label3"), leave(kName))});
}

}  // namespace vargo::screens
