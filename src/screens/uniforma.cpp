// SPDX-License-Identifier: GPL-3.0-or-later
// The uniform screen: two paragraphs, the heading and the labelled illustration; "OK" returns to About.

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"

namespace vargo::screens {

namespace {

using ui::label;
namespace fonts = ui::fonts;

constexpr std::string_view kName = names::uniforma;

constexpr ui::WidgetDef kWidgets[] = {
    ui::picture("Picture1", {212, 52, 197, 349}, "uniform", true, look::face, look::arrow),
    label("Label4", {288, 460, 49, 37}, "OK", fonts::sans24, look::text, look::cursor),
    label("Label3", {4, 300, 201, 225}, texts::uniformaSecond, fonts::standard, look::text, look::arrow),
    label("Label2", {140, 12, 133, 37}, "Uniformy", fonts::sans24, look::text, look::arrow),
    label("Label1", {4, 52, 205, 237}, texts::uniformaFirst, fonts::standard, look::text, look::arrow),
};
constexpr ui::ScreenDef kScreen{
    {"Form1", {413, 555}, ui::Placement::centre(), look::lightBlue}, kWidgets, {}};

}  // namespace

ui::ScreenKind uniformaKind() {
  return kindOf(kName, kScreen, {onClick(ui::widgetNamed(kScreen, "Label4"), moveOn(names::about, kName))});
}

}  // namespace vargo::screens
