// SPDX-License-Identifier: GPL-3.0-or-later
// The five shooting levels as data: every widget in stacking order (top first), the timers, the target
// slots and the wiring of hover, exit, completion and sound.

#include "levels/level_catalogue.h"

#include <algorithm>
#include <array>

#include "names/screen_names.h"

namespace vargo::levels {

namespace {

using ui::Colour;
using ui::label;
using ui::Placement;
using ui::Pointer;
using ui::TimerDef;
using ui::WidgetDef;

constexpr Pointer kCursor = Pointer::LevelCursor;
constexpr Pointer kNone = Pointer::None;
constexpr Colour kFace = ui::palette::buttonFace;
constexpr Colour kWhite = ui::palette::window;
constexpr Colour kDefaultText = ui::palette::buttonText;
constexpr Colour kGrey{192, 192, 192};
constexpr Colour kDarkGrey{64, 64, 64};
constexpr Colour kGreen{0, 192, 0};
constexpr Colour kDarkGreen{0, 128, 0};

constexpr std::string_view kShot1 = "data/vystrel.wav";
constexpr std::string_view kShot2 = "data/vystrel2.wav";
constexpr std::string_view kShot3 = "data/vystrel3.wav";

// A picture widget, hidden at load.
constexpr WidgetDef pic(std::string_view name, ui::Rect rect, std::string_view image, Colour background,
                        Pointer pointer) {
  return ui::picture(name, rect, image, false, background, pointer);
}

constexpr WidgetDef counter(std::string_view name, ui::Rect rect, std::string_view caption, Colour text,
                            Pointer pointer) {
  return label(name, rect, caption, ui::fonts::counter, text, pointer);
}

constexpr WidgetDef exitLabel(std::string_view name, ui::Rect rect, ui::FontSpec font, Pointer pointer) {
  return label(name, rect, "X", font, kDefaultText, pointer);
}

constexpr ui::WindowDef levelWindow(std::string_view title, ui::Size client, std::string_view scene) {
  return {title, client, Placement::centre(), kFace, scene, kCursor};
}

// Timers of the levels with four slots: Timer1 ... Timer8, all running at load.
constexpr std::array<TimerDef, 8> eightTimers(std::uint32_t t1, std::uint32_t t2, std::uint32_t t3,
                                              std::uint32_t t4, std::uint32_t t5, std::uint32_t t6,
                                              std::uint32_t t7, std::uint32_t t8) {
  return {{{"Timer1", t1, true},
           {"Timer2", t2, true},
           {"Timer3", t3, true},
           {"Timer4", t4, true},
           {"Timer5", t5, true},
           {"Timer6", t6, true},
           {"Timer7", t7, true},
           {"Timer8", t8, true}}};
}

// ---- level1: desert with dunes ----

constexpr std::string_view kMagazine1 = "10";

constexpr WidgetDef level1Widgets[] = {
    pic("Picture10", {12, 88, 67, 121}, "level1_gunman_hit", kFace, kNone),
    pic("Picture9", {271, 59, 67, 85}, "level1_gunman_hit", kFace, kNone),
    pic("Picture8", {516, 86, 67, 61}, "level1_gunman2_hit", kFace, kNone),
    pic("Picture7", {372, 200, 67, 121}, "level1_gunman2_hit", kFace, kNone),
    pic("Picture6", {372, 198, 67, 121}, "level1_gunman2", kFace, kCursor),
    pic("Picture5", {516, 86, 67, 61}, "level1_gunman2", kFace, kCursor),
    pic("Picture4", {12, 90, 67, 121}, "level1_gunman", kFace, kCursor),
    pic("Picture3", {271, 59, 67, 85}, "level1_gunman", kFace, kCursor),
    pic("Picture2", {232, 240, 105, 81}, "level1_weapon_right", kFace, kNone),
    pic("Picture1", {240, 240, 97, 89}, "level1_weapon_left", kFace, kNone),
    exitLabel("Label3", {582, 0, 13, 13}, ui::fonts::standard, kNone),
    ui::imageArea("Image2", {424, 0, 177, 321}),
    ui::imageArea("Image1", {8, 0, 177, 321}),
    counter("Label2", {24, 280, 65, 25}, "0", kDefaultText, kCursor),
    counter("Label1", {528, 280, 33, 25}, kMagazine1, kDefaultText, kCursor),
};
constexpr auto level1Timers = eightTimers(2600, 3800, 5500, 4000, 150, 150, 150, 150);
constexpr TargetSlot level1Slots[] = {
    {"Picture4", "Timer1", "Picture10", "Timer8", 10},
    {"Picture3", "Timer2", "Picture9", "Timer7", 10},
    {"Picture6", "Timer3", "Picture7", "Timer5", 10},
    {"Picture5", "Timer4", "Picture8", "Timer6", 10},
};

// ---- level2: forest; the straight weapon is a widget of its own ----

constexpr std::string_view kMagazine2 = "10";

constexpr WidgetDef level2Widgets[] = {
    pic("Picture8", {229, 250, 99, 73}, "level2_weapon_left", kFace, kCursor),
    pic("Picture2", {236, 250, 99, 73}, "level2_weapon_right", kFace, kCursor),
    pic("Picture7", {352, 140, 57, 113}, "level2_bush_gunman_hit", kFace, kCursor),
    pic("Picture6", {255, 104, 33, 57}, "level2_small_gunman_hit", kFace, kCursor),
    pic("Picture5", {12, 104, 45, 77}, "level2_tree_gunman_hit", kFace, kCursor),
    pic("Picture4", {352, 140, 55, 115}, "level2_bush_gunman", kFace, kCursor),
    pic("Picture3", {252, 104, 31, 55}, "level2_small_gunman", kFace, kCursor),
    pic("Picture1", {6, 102, 49, 79}, "level2_tree_gunman", kFace, kCursor),
    {.name = "Picture9",
     .kind = ui::WidgetKind::Picture,
     .rect = {268, 252, 33, 73},
     .visible = true,
     .picture = "level2_weapon_straight",
     .background = ui::palette::window,
     .border = true,
     .pointer = kCursor},
    counter("Label2", {20, 284, 73, 25}, "0", kGreen, kNone),
    counter("Label1", {520, 284, 45, 25}, kMagazine2, kGreen, kNone),
    exitLabel("Label6", {584, 4, 17, 13}, ui::fonts::sans9, kNone),
    ui::imageArea("Image2", {384, 0, 217, 329}, kCursor),
    ui::imageArea("Image1", {0, 4, 161, 329}, Pointer::CustomWithoutImage),
};
constexpr TimerDef level2Timers[] = {
    {"Timer1", 2600, true}, {"Timer2", 150, false}, {"Timer3", 2000, true},
    {"Timer4", 150, true},  {"Timer5", 4300, true}, {"Timer6", 150, true},
};
constexpr TargetSlot level2Slots[] = {
    {"Picture1", "Timer1", "Picture5", "Timer2", 10},
    {"Picture3", "Timer3", "Picture6", "Timer4", 10},
    {"Picture4", "Timer5", "Picture7", "Timer6", 10},
};

// ---- level3: snowfield with an igloo ----

constexpr std::string_view kMagazine3 = "20";

constexpr WidgetDef level3Widgets[] = {
    pic("Picture11", {496, 85, 79, 74}, "level3_tripod_gunman_hit", kWhite, kCursor),
    pic("Picture10", {496, 85, 79, 74}, "level3_tripod_gunman", kWhite, kNone),
    pic("Picture9", {276, 68, 76, 117}, "level3_field_gunman_hit", kWhite, kCursor),
    pic("Picture8", {276, 68, 76, 117}, "level3_field_gunman", kWhite, kNone),
    pic("Picture7", {144, 70, 67, 112}, "level3_edge_gunman_hit", kWhite, kCursor),
    pic("Picture6", {144, 70, 67, 112}, "level3_edge_gunman", kWhite, kNone),
    pic("Picture5", {32, 120, 89, 130}, "level3_igloo_gunman_hit", kWhite, kCursor),
    pic("Picture4", {32, 120, 89, 129}, "level3_igloo_gunman", ui::palette::window, kNone),
    pic("Picture3", {288, 240, 109, 81}, "level3_weapon_right", kWhite, kCursor),
    pic("Picture1", {232, 244, 113, 77}, "level3_weapon_left", kWhite, kCursor),
    pic("Picture2", {260, 192, 113, 129}, "", kWhite, kCursor),
    exitLabel("Label3", {584, 4, 9, 21}, ui::fonts::sans9, kNone),
    ui::imageArea("Image2", {404, 0, 193, 321}, kCursor),
    ui::imageArea("Image1", {1, 0, 205, 321}, kCursor),
    counter("Label2", {24, 280, 69, 25}, "0", kDefaultText, kNone),
    counter("Label1", {520, 284, 45, 25}, kMagazine3, kDefaultText, kNone),
};
constexpr auto level3Timers = eightTimers(3500, 150, 2800, 150, 4890, 150, 4500, 150);
constexpr TargetSlot level3Slots[] = {
    {"Picture4", "Timer1", "Picture5", "Timer2", 10},
    {"Picture6", "Timer3", "Picture7", "Timer4", 10},
    {"Picture8", "Timer5", "Picture9", "Timer6", 10},
    {"Picture10", "Timer7", "Picture11", "Timer8", 10},
};

// ---- level4: desert with a rock and a watchtower ----

constexpr std::string_view kMagazine4 = "20";

constexpr WidgetDef level4Widgets[] = {
    pic("Picture1", {212, 195, 159, 129}, "level4_weapon_left", kFace, kCursor),
    pic("Picture2", {257, 197, 117, 129}, "level4_weapon_right", kFace, kCursor),
    pic("Picture3", {264, 60, 67, 88}, "level1_gunman", kFace, kCursor),
    pic("Picture4", {4, 88, 67, 117}, "level4_shirt_gunman", kFace, kCursor),
    pic("Picture5", {480, 45, 67, 42}, "level4_shirt_gunman", kFace, kCursor),
    pic("Picture6", {368, 124, 67, 121}, "level1_gunman2", kFace, kCursor),
    pic("Picture7", {368, 124, 67, 121}, "level1_gunman2_hit", kFace, kNone),
    pic("Picture8", {480, 44, 67, 43}, "level4_shirt_gunman_hit", kFace, kNone),
    pic("Picture9", {264, 60, 67, 88}, "level1_gunman_hit", kFace, kNone),
    pic("Picture10", {4, 88, 67, 117}, "level4_shirt_gunman_hit", kFace, kNone),
    exitLabel("Label3", {580, 0, 13, 13}, ui::fonts::sans9, kCursor),
    counter("Label1", {520, 280, 33, 25}, kMagazine4, kDefaultText, kCursor),
    counter("Label2", {20, 280, 65, 25}, "0", kDefaultText, kCursor),
    ui::imageArea("Image1", {0, 0, 177, 321}, kCursor),
    ui::imageArea("Image2", {420, 0, 177, 321}, kCursor),
};
constexpr auto level4Timers = eightTimers(2600, 4800, 5500, 4000, 150, 150, 150, 150);
constexpr TargetSlot level4Slots[] = {
    {"Picture4", "Timer1", "Picture10", "Timer8", 10},
    {"Picture3", "Timer2", "Picture9", "Timer7", 10},
    {"Picture6", "Timer3", "Picture7", "Timer5", 10},
    {"Picture5", "Timer4", "Picture8", "Timer6", 10},
};

// ---- level5: indoor hall ----

constexpr std::string_view kMagazine5 = "30";

constexpr WidgetDef level5Widgets[] = {
    pic("Picture3", {285, 258, 85, 69}, "level5_rifle_right", kGrey, kCursor),
    pic("Picture1", {233, 257, 80, 68}, "level5_rifle_left", kGrey, kCursor),
    pic("Picture2", {249, 234, 113, 90}, "", kGrey, kCursor),
    pic("Picture4", {122, 161, 50, 30}, "level5_pipe_gunman", kGrey, kCursor),
    pic("Picture5", {123, 161, 50, 29}, "level5_pipe_gunman_hit", kWhite, kNone),
    pic("Picture6", {545, 101, 52, 113}, "level5_commando", kGrey, kCursor),
    pic("Picture7", {545, 101, 51, 112}, "level5_commando_hit", kWhite, kNone),
    pic("Picture8", {270, 0, 32, 63}, "level5_door_soldier", kDarkGrey, kCursor),
    pic("Picture9", {270, 0, 32, 66}, "level5_door_soldier_hit", kDarkGrey, kNone),
    pic("Picture10", {465, 162, 30, 51}, "level5_far_gunman", kGrey, kCursor),
    pic("Picture11", {465, 162, 30, 51}, "level5_far_gunman_hit", kGrey, kNone),
    exitLabel("Label3", {587, 4, 9, 21}, ui::fonts::sans9, kNone),
    counter("Label1", {522, 282, 45, 25}, kMagazine5, kDarkGreen, kCursor),
    counter("Label2", {27, 280, 69, 25}, "0", kDarkGreen, kCursor),
    ui::imageArea("Image1", {0, 3, 211, 321}, kCursor),
    ui::imageArea("Image2", {407, 0, 193, 321}, kCursor),
};
constexpr auto level5Timers = level3Timers;
constexpr TargetSlot level5Slots[] = {
    {"Picture4", "Timer1", "Picture5", "Timer2", 10},
    {"Picture6", "Timer3", "Picture7", "Timer4", 20},
    {"Picture8", "Timer5", "Picture9", "Timer6", 10},  // scores like its neighbours
    {"Picture10", "Timer7", "Picture11", "Timer8", 10},
};

// ---- hover wiring ----

constexpr std::string_view kPicture1[] = {"Picture1"};
constexpr std::string_view kPicture2[] = {"Picture2"};
constexpr std::string_view kPicture8[] = {"Picture8"};
constexpr std::string_view kPicture9[] = {"Picture9"};
constexpr std::string_view kPictures12[] = {"Picture1", "Picture2"};
constexpr std::string_view kPictures32[] = {"Picture3", "Picture2"};
constexpr std::string_view kPictures28[] = {"Picture2", "Picture8"};
constexpr std::string_view kPictures123[] = {"Picture1", "Picture2", "Picture3"};

constexpr LevelDef catalogue[] = {
    {.name = names::level1,
     .screen = {levelWindow("Form1", {599, 321}, "level1_scene"), level1Widgets, level1Timers},
     .slots = level1Slots,
     .shownOverLeftArea = kPicture1,
     .shownOverRightArea = kPicture2,
     .shownOverSurface = {},
     .hiddenOverSurface = kPictures12,
     .exitLabel = "Label3",
     .scoreResets = false,
     .completionTarget = "Picture3",
     .threshold = 300,
     .nextScreen = names::mise2,
     .shotSound = kShot1,
     .magazine = kMagazine1},
    {.name = names::level2,
     .screen = {levelWindow("Form1", {599, 326}, "level2_scene"), level2Widgets, level2Timers},
     .slots = level2Slots,
     .shownOverLeftArea = kPicture8,
     .shownOverRightArea = kPicture2,
     .shownOverSurface = kPicture9,
     .hiddenOverSurface = kPictures28,
     .exitLabel = "Label6",
     .scoreResets = true,
     .completionTarget = "Picture3",
     .threshold = 400,
     .nextScreen = names::mise3,
     .shotSound = kShot1,
     .magazine = kMagazine2},
    {.name = names::level3,
     .screen = {levelWindow("Form1", {600, 321}, "level3_scene"), level3Widgets, level3Timers},
     .slots = level3Slots,
     .shownOverLeftArea = kPictures12,
     .shownOverRightArea = kPictures32,
     .shownOverSurface = {},
     .hiddenOverSurface = kPictures123,
     .exitLabel = "Label3",
     .scoreResets = false,
     .completionTarget = "Picture4",
     .threshold = 500,
     .nextScreen = names::mise4,
     .shotSound = kShot2,
     .magazine = kMagazine3},
    {.name = names::level4,
     .screen = {levelWindow("level4", {600, 323}, "level4_scene"), level4Widgets, level4Timers},
     .slots = level4Slots,
     .shownOverLeftArea = kPicture1,
     .shownOverRightArea = kPicture2,
     .shownOverSurface = {},
     .hiddenOverSurface = kPictures12,
     .exitLabel = "Label3",
     .scoreResets = true,
     .completionTarget = "Picture3",
     .threshold = 600,
     .nextScreen = names::mise5,
     .shotSound = kShot2,
     .magazine = kMagazine4},
    {.name = names::level5,
     .screen = {levelWindow("Level5", {601, 323}, "level5_scene"), level5Widgets, level5Timers},
     .slots = level5Slots,
     .shownOverLeftArea = kPictures12,
     .shownOverRightArea = kPictures32,
     .shownOverSurface = {},
     .hiddenOverSurface = kPictures123,
     .exitLabel = "Label3",
     .scoreResets = false,
     .completionTarget = "Picture4",
     .threshold = 800,
     .nextScreen = names::win,
     .shotSound = kShot3,
     .magazine = kMagazine5},
};

static_assert(std::all_of(std::begin(catalogue), std::end(catalogue), namesItsOwnWidgets),
              "a level names a widget or a timer that its own screen does not have");

}  // namespace

std::span<const LevelDef> levelCatalogue() {
  return catalogue;
}

}  // namespace vargo::levels
