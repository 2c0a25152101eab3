// SPDX-License-Identifier: GPL-3.0-or-later
// Laying captions out in lines: hard breaks of every kind, word wrapping inside the width, and words too
// long for the label.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/text_layout.h"

namespace vargo::media {
namespace {

// Every byte is 5 pixels wide: widths in tests read as character counts.
int fivePerByte(std::string_view text) {
  return static_cast<int>(text.size()) * 5;
}

std::vector<std::string> lines(std::string_view text, int widthInCharacters) {
  std::vector<std::string> out;
  for (std::string_view line : layoutText(text, widthInCharacters * 5, fivePerByte))
    out.emplace_back(line);
  return out;
}

using Lines = std::vector<std::string>;

TEST(TextLayout, EveryKindOfLineBreakStartsANewLine) {
  EXPECT_EQ(lines("jedna\r\ndvě", 40), (Lines{"jedna", "dvě"})) << "CR LF";
  EXPECT_EQ(lines("jedna\ndvě", 40), (Lines{"jedna", "dvě"})) << "LF";
  EXPECT_EQ(lines("jedna\rdvě", 40), (Lines{"jedna", "dvě"})) << "a lone CR";
  EXPECT_EQ(lines("a\r\nb\nc\rd", 40), (Lines{"a", "b", "c", "d"})) << "mixed";
}

TEST(TextLayout, CrLfIsOneBreakButLfCrIsTwo) {
  EXPECT_EQ(lines("a\r\nb", 40), (Lines{"a", "b"}));
  EXPECT_EQ(lines("a\n\rb", 40), (Lines{"a", "", "b"}));
}

TEST(TextLayout, EmptyLinesAreKept) {
  EXPECT_EQ(lines("nadpis\r\n\r\ntext", 40), (Lines{"nadpis", "", "text"}));
  EXPECT_EQ(lines("", 40), (Lines{""}));
}

TEST(TextLayout, WrapsAtSpacesSoThatEachLineFits) {
  EXPECT_EQ(lines("jedna dva tři čtyři", 10), (Lines{"jedna dva", "tři", "čtyři"}));
  for (const std::string& line : lines("ráno jsme vyrazili k hangáru a čekali na rozkaz", 12))
    EXPECT_LE(fivePerByte(line), 12 * 5) << line;
}

TEST(TextLayout, AWrappedLineDropsTheSpacesAtTheBreak) {
  EXPECT_EQ(lines("aaa   bbb", 4), (Lines{"aaa", "bbb"}));
}

TEST(TextLayout, IndentAtTheStartOfAParagraphStays) {
  EXPECT_EQ(lines("  odsazeno\r\n  také", 40), (Lines{"  odsazeno", "  také"}));
}

TEST(TextLayout, AWordWiderThanTheLabelStandsOnItsOwnLine) {
  EXPECT_EQ(lines("ab nejdelšíslovo cd", 5), (Lines{"ab", "nejdelšíslovo", "cd"}));
  EXPECT_EQ(lines("X", 0), (Lines{"X"}));
}

TEST(TextLayout, WrappingAndHardBreaksTogether) {
  EXPECT_EQ(lines("jedna dva\r\ntři čtyři pět", 12), (Lines{"jedna dva", "tři čtyři", "pět"}));
}

}  // namespace
}  // namespace vargo::media
