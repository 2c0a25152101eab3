// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu Vargo1: the title artwork with four painted buttons, an invisible image area over each.

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"
#include "ui/host.h"

namespace vargo::screens {

namespace {

using ui::imageArea;
using ui::label;
namespace fonts = ui::fonts;

constexpr std::string_view kName = names::menu;

constexpr ui::WidgetDef kWidgets[] = {
    label("Label2", {176, 448, 117, 13}, texts::menuStudio, fonts::standardBold, look::text, look::arrow),
    label("Label1", {48, 420, 381, 29}, texts::menuMotto, fonts::sans13, look::text, look::arrow),
    imageArea("Image4", {116, 280, 225, 57}, look::cursor),  // "CREDITS"
    imageArea("Image3", {116, 216, 225, 57}, look::cursor),  // "O Vargo"
    imageArea("Image2", {116, 344, 225, 65}, look::cursor),  // "KONEC"
    imageArea("Image1", {116, 148, 225, 61}, look::cursor),  // "Nová hra"
};
constexpr ui::ScreenDef kScreen{
    {"Vargo - Tarnok", {459, 469}, ui::Placement::centre(), look::white, "menu"}, kWidgets, {}};

void showCredits(ui::Host& host, ui::Screen&) {
  host.messageBox(texts::creditsTitle, texts::creditsText);
}

void quit(ui::Host& host, ui::Screen&) {
  host.endProgram();
}

}  // namespace

ui::ScreenKind menuKind() {
  return kindOf(kName, kScreen,
                {
                    onClick(ui::widgetNamed(kScreen, "Image1"), moveOn(names::mise1, kName)),
                    onClick(ui::widgetNamed(kScreen, "Image2"), quit),
                    onClick(ui::widgetNamed(kScreen, "Image3"), moveOn(names::about, kName)),
                    onClick(ui::widgetNamed(kScreen, "Image4"), showCredits),
                });
}

}  // namespace vargo::screens
