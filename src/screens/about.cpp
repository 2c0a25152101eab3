// SPDX-License-Identifier: GPL-3.0-or-later
// The screen about the unit: an introductory article, two photographs, and the ways on to the uniform
// screen, the history screen and back to the main menu.

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"

namespace vargo::screens {

namespace {

using ui::imageArea;
using ui::label;
using ui::picture;
namespace fonts = ui::fonts;

constexpr std::string_view kName = names::about;

constexpr ui::WidgetDef kWidgets[] = {
    picture("Picture2", {0, 432, 217, 257}, "photo_team", true, look::white, look::arrow),
    picture("Picture1", {0, 208, 397, 221}, "photo_assault", true, look::white, look::arrow),
    label("Label5", {104, 688, 205, 13}, texts::aboutSourceNote, fonts::standard, look::text, look::arrow),
    imageArea("Image3", {276, 532, 45, 21}, look::cursor),
    label("Label4", {276, 528, 49, 21}, "Akce", fonts::sans13, look::text, look::arrow),
    imageArea("Image2", {264, 500, 77, 17}, look::cursor),
    label("Label3", {264, 496, 97, 21}, "Uniforma", fonts::sans13, look::text, look::arrow),
    // Image1 lies exactly over the "OK" label and above it: it takes every click on "OK".
    imageArea("Image1", {284, 648, 49, 33}, look::cursor),
    label("Label2", {284, 648, 49, 33}, "OK", fonts::sans24Bold),
    label("Label1", {4, 8, 385, 197}, texts::aboutArticle, fonts::sans9, look::text, look::arrow),
};
constexpr ui::ScreenDef kScreen{
    {"O Vargo", {398, 702}, ui::Placement::centre(), look::lightBlue}, kWidgets, {}};

}  // namespace

ui::ScreenKind aboutKind() {
  // "Uniforma" is reached through its image area and, on the strips the area leaves uncovered, through
  // the label itself; both lead to the same place.
  return kindOf(kName, kScreen,
                {
                    onClick(ui::widgetNamed(kScreen, "Image1"), moveOn(names::menu, kName)),
                    onClick(ui::widgetNamed(kScreen, "Image2"), moveOn(names::uniforma, kName)),
                    onClick(ui::widgetNamed(kScreen, "Label3"), moveOn(names::uniforma, kName)),
                    onClick(ui::widgetNamed(kScreen, "Image3"), open(names::akce)),
                });
}

}  // namespace vargo::screens
