// SPDX-License-Identifier: GPL-3.0-or-later
// The victory screen: the last diary page over the diary picture; its arrow leads to the screen about
// the unit.

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"

namespace vargo::screens {

namespace {

constexpr std::string_view kName = names::win;

constexpr ui::WidgetDef kWidgets[] = {
    ui::imageArea("Image1", {656, 424, 49, 33}),
    ui::label("Label1", {64, 48, 289, 369}, texts::winDiary),
};
constexpr ui::ScreenDef kScreen{
    {"Win", {710, 461}, ui::Placement::centre(), look::face, "diary"}, kWidgets, {}};

}  // namespace

ui::ScreenKind winKind() {
  return kindOf(kName, kScreen, {onClick(ui::widgetNamed(kScreen, "Image1"), moveOn(names::about, kName))});
}

}  // namespace vargo::screens
