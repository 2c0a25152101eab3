// SPDX-License-Identifier: GPL-3.0-or-later
// Shape of the long Czech texts: lengths in characters (code points, CR and LF counted), line breaks,
// first lines, endings, the motto's form, the credits' pieces and the akce article's headings.
#include "screens/texts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
namespace texts = vargo::texts;

// Decodes UTF-8 into code points. Returns nothing on a malformed sequence: a stray continuation byte,
// a truncated sequence, an overlong form, a surrogate or a value above U+10FFFF.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view s) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead < 0x80) {
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
      return std::nullopt;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
      if (i + k >= s.size())
        return std::nullopt;
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80)
        return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return std::nullopt;
    out.push_back(cp);
    i += extra + 1;
  }
  return out;
}

// Number of code points; -1 when the text is not valid UTF-8.
long long length(std::string_view s) {
  const auto cps = decodeUtf8(s);
  return cps ? static_cast<long long>(cps->size()) : -1;
}

std::size_t count(std::string_view s, std::string_view what) {
  std::size_t n = 0;
  for (auto pos = s.find(what); pos != std::string_view::npos; pos = s.find(what, pos + what.size()))
    ++n;
  return n;
}

std::size_t loneCr(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))
      ++n;
  }
  return n;
}

std::size_t loneLf(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'))
      ++n;
  }
  return n;
}

// Lines of a text whose lines end with CR LF (the last CR LF ends the last line, it opens none).
std::vector<std::string_view> crlfLines(std::string_view s) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (auto pos = s.find("\r\n"); pos != std::string_view::npos; pos = s.find("\r\n", start)) {
    lines.push_back(s.substr(start, pos - start));
    start = pos + 2;
  }
  if (start < s.size())
    lines.push_back(s.substr(start));
  return lines;
}

std::string_view firstLine(std::string_view s) {
  return s.substr(0, s.find_first_of("\r\n"));
}

bool startsWithTime(std::string_view line) {
  // "8:14 " or "13:32 "
  std::size_t i = 0;
  while (i < line.size() && i < 2 && line[i] >= '0' && line[i] <= '9')
    ++i;
  if (i == 0 || i + 4 > line.size() || line[i] != ':')
    return false;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return digit(line[i + 1]) && digit(line[i + 2]) && line[i + 3] == ' ';
}

// Lines a label shows when it wraps at blanks with at most `columns` characters a line; CR LF, LF and a
// lone CR each break the line. A rough stand-in for the real font, which fits a little more.
int wrappedLines(std::string_view s, std::size_t columns) {
  const auto cps = decodeUtf8(s);
  if (!cps)
    return -1;
  int lines = 0;
  std::size_t col = 0, word = 0;
  bool open = false;
  const auto endLine = [&] {
    ++lines;
    col = word = 0;
    open = false;
  };
  for (std::size_t i = 0; i < cps->size(); ++i) {
    const char32_t c = (*cps)[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < cps->size() && (*cps)[i + 1] == '\n')
        ++i;
      endLine();
      continue;
    }
    open = true;
    if (c == ' ') {
      word = 0;
      ++col;
      continue;
    }
    ++col, ++word;
    if (col > columns && word < col) {  // the word moves to a new line
      ++lines;
      col = word;
    }
  }
  if (open)
    ++lines;
  return lines;
}

struct Diary {
  const char* name;
  std::string_view text;
  long long length;
  std::size_t crlf;
  std::string_view first;
  std::size_t headingLines;
};

const std::vector<Diary>& diaries() {
  static const std::vector<Diary> all = {
      {"Mise1", texts::mise1Diary, 1170, 6, "Deník Jerryho Vazuvi", 2},
      {"Mise2", texts::mise2Diary, 980, 6, "Sobota 27.9.03 Někde ve Vietnamských pralesích", 1},
      {"Mise3", texts::mise3Diary, 715, 5, "Úterý 14.10.2003", 1},
      {"Mise4", texts::mise4Diary, 1228, 8, "Úterý 23.12.2003", 1},
      {"Mise5", texts::mise5Diary, 1095, 6, "Úterý 23.12.2003", 1},
      {"win", texts::winDiary, 1111, 7, " Úterý 23.12.2003", 1},
  };
  return all;
}

struct Named {
  const char* name;
  std::string_view text;
};

const std::vector<Named>& everyText() {
  static const std::vector<Named> all = {
      {"menuMotto", texts::menuMotto},
      {"menuStudio", texts::menuStudio},
      {"creditsText", texts::creditsText},
      {"mise1Diary", texts::mise1Diary},
      {"mise2Diary", texts::mise2Diary},
      {"mise3Diary", texts::mise3Diary},
      {"mise4Diary", texts::mise4Diary},
      {"mise5Diary", texts::mise5Diary},
      {"winDiary", texts::winDiary},
      {"aboutArticle", texts::aboutArticle},
      {"aboutSourceNote", texts::aboutSourceNote},
      {"uniformaFirst", texts::uniformaFirst},
      {"uniformaSecond", texts::uniformaSecond},
      {"akceArticle", texts::akceArticle},
  };
  return all;
}

// The helpers first: a count that is wrong here would make every length check below meaningless.
TEST(TextHelpers, DecodeCountsCodePointsAndRejectsMalformedUtf8) {
  EXPECT_EQ(length("abc"), 3);
  EXPECT_EQ(length("Úterý"), 5);              // two 2-byte letters
  EXPECT_EQ(length("„x“"), 3);                // 3-byte quotation marks
  EXPECT_EQ(length("\r\n"), 2);               // CR and LF are both characters
  EXPECT_EQ(length("\xF0\x9F\x98\x80"), 1);   // a 4-byte sequence
  EXPECT_EQ(length("\xC3"), -1);              // truncated
  EXPECT_EQ(length("a\x80"), -1);             // stray continuation byte
  EXPECT_EQ(length("\xC3\x28"), -1);          // bad continuation byte
  EXPECT_EQ(length("\xC0\xAF"), -1);          // overlong
  EXPECT_EQ(length("\xED\xA0\x80"), -1);      // surrogate
  EXPECT_EQ(length("\xF4\x90\x80\x80"), -1);  // above U+10FFFF
  EXPECT_EQ(length("\xFF"), -1);
}

TEST(TextHelpers, BreakCountsTellTheThreeKindsApart) {
  constexpr auto s = "a\r\nb\nc\rd\r\re\n\n"sv;
  EXPECT_EQ(count(s, "\r\n"), 1u);
  EXPECT_EQ(loneLf(s), 3u);
  EXPECT_EQ(loneCr(s), 3u);
  EXPECT_EQ(wrappedLines("aaa bbb ccc", 7), 2);
  EXPECT_EQ(wrappedLines("aaa bbb ccc", 11), 1);
  EXPECT_EQ(wrappedLines("aaa\r\n\r\nbbb\r\n", 80), 3);
  EXPECT_EQ(wrappedLines("a\nb\rc", 80), 3);
  EXPECT_TRUE(startsWithTime("8:14 Ráno"));
  EXPECT_TRUE(startsWithTime("13:32 Velitel"));
  EXPECT_FALSE(startsWithTime("Večer"));
  EXPECT_FALSE(startsWithTime("123:45 x"));
}

TEST(Texts, AllAreValidUtf8WithoutTabsOrStrayControlCharacters) {
  for (const auto& [name, text] : everyText()) {
    SCOPED_TRACE(name);
    const auto cps = decodeUtf8(text);
    ASSERT_TRUE(cps.has_value()) << "not valid UTF-8";
    ASSERT_FALSE(cps->empty());
    for (const char32_t c : *cps) {
      EXPECT_NE(c, U'\t');
      const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
      if (control) {
        EXPECT_TRUE(c == U'\r' || c == U'\n')
            << "control character U+" << std::hex << static_cast<unsigned>(c);
      }
      EXPECT_NE(c, U'\uFFFD');
    }
    EXPECT_EQ(text.find("  \r"), std::string_view::npos) << "blanks before a line break";
  }
}

TEST(MainMenu, MottoHasItsExactForm) {
  const auto motto = texts::menuMotto;
  EXPECT_EQ(length(motto), 48);
  EXPECT_EQ(motto.find_first_of("\r\n"), std::string_view::npos) << "must stay on one line";
  ASSERT_TRUE(motto.starts_with(",,"));
  ASSERT_TRUE(motto.ends_with(" \"."));
  const auto join = motto.find("'' - ,,");
  ASSERT_NE(join, std::string_view::npos);
  EXPECT_EQ(count(motto, "'' - ,,"), 1u);
  const auto english = motto.substr(2, join - 2);
  const auto czech = motto.substr(join + 7, motto.size() - 3 - (join + 7));
  ASSERT_FALSE(english.empty());
  ASSERT_FALSE(czech.empty());
  for (const unsigned char c : english)
    EXPECT_LT(c, 0x80) << "the first half is English";
  EXPECT_NE(english.back(), ' ');
  EXPECT_NE(czech.back(), ' ');
  EXPECT_EQ(count(motto, ",,"), 2u);
  EXPECT_EQ(count(motto, "\""), 1u);
}

TEST(MainMenu, StudioAndCreditsHaveTheirFourPieces) {
  EXPECT_EQ(texts::menuStudio, "Nortagon");
  const auto credits = texts::creditsText;
  ASSERT_GT(length(credits), 0);
  constexpr auto head = "Nortagon -- Grafika, programing, zvuky, betatesting = "sv;
  constexpr auto middle = " -- Nortagon -- "sv;
  ASSERT_TRUE(credits.starts_with(head));
  const auto mid = credits.find(middle, head.size());
  ASSERT_NE(mid, std::string_view::npos);
  // the person: a name, a blank and a nickname in parentheses
  const auto person = credits.substr(head.size(), mid - head.size());
  const auto open = person.find(" (");
  ASSERT_NE(open, std::string_view::npos);
  EXPECT_GT(open, 0u);
  EXPECT_NE(person.substr(0, open).find(' '), std::string_view::npos) << "first name and surname";
  EXPECT_TRUE(person.ends_with(")"));
  EXPECT_GT(person.size(), open + 3) << "a nickname inside the parentheses";
  // the web address, in a reserved example domain
  const auto address = credits.substr(mid + middle.size());
  EXPECT_TRUE(address.starts_with("www."));
  EXPECT_TRUE(address.ends_with(".example") || address.ends_with(".test"));
  EXPECT_EQ(address.find(' '), std::string_view::npos);
  EXPECT_EQ(credits.find_first_of("\r\n"), std::string_view::npos);
}

TEST(Diaries, LengthBreaksFirstLineAndEnding) {
  for (const auto& d : diaries()) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(length(d.text), d.length);
    EXPECT_EQ(count(d.text, "\r\n"), d.crlf);
    EXPECT_EQ(loneCr(d.text), 0u);
    EXPECT_EQ(loneLf(d.text), 0u);
    EXPECT_EQ(firstLine(d.text), d.first);
    EXPECT_TRUE(d.text.ends_with("\r\n"));
    EXPECT_FALSE(d.text.ends_with("\r\n\r\n"));
  }
  EXPECT_TRUE(
      firstLine(texts::mise1Diary.substr(texts::mise1Diary.find("\r\n") + 2)).starts_with("Středa 13.8.03"));
}

TEST(Diaries, HeadingBlankLineThenParagraphsMostlyTimed) {
  for (const auto& d : diaries()) {
    SCOPED_TRACE(d.name);
    const auto lines = crlfLines(d.text);
    ASSERT_EQ(lines.size(), d.crlf);
    ASSERT_GT(lines.size(), d.headingLines + 1);
    for (std::size_t i = 0; i < d.headingLines; ++i)
      EXPECT_FALSE(lines[i].empty());
    EXPECT_TRUE(lines[d.headingLines].empty()) << "a blank line after the heading";
    const std::size_t paragraphs = lines.size() - d.headingLines - 1;
    EXPECT_GE(paragraphs, 3u);
    EXPECT_LE(paragraphs, 6u);
    std::size_t timed = 0;
    for (std::size_t i = d.headingLines + 1; i < lines.size(); ++i) {
      EXPECT_GT(length(lines[i]), 40) << "paragraph " << i;
      EXPECT_NE(lines[i].front(), ' ');
      EXPECT_NE(lines[i].back(), ' ');
      if (startsWithTime(lines[i]))
        ++timed;
    }
    EXPECT_GT(timed * 2, paragraphs) << "most paragraphs begin with a time of day";
  }
  EXPECT_EQ(crlfLines(texts::winDiary).size() - 2, 5u) << "the victory page has five paragraphs";
}

TEST(Diaries, FitTheirLabels) {
  // About 52 characters a line in a label 281 to 291 px wide, 28 lines of 13 px in its height.
  for (const auto& d : diaries()) {
    SCOPED_TRACE(d.name);
    const int lines = wrappedLines(d.text, 52);
    EXPECT_GT(lines, static_cast<int>(d.crlf));
    EXPECT_LE(lines, 28);
  }
}

TEST(Diaries, TheStoryEndsWithTheUnitsMotto) {
  // The Czech half of the menu motto is what the squad calls out on the last page.
  const auto motto = texts::menuMotto;
  const auto czechStart = motto.find("'' - ,,") + 7;
  const auto czech = motto.substr(czechStart, motto.size() - 3 - czechStart);
  ASSERT_FALSE(czech.empty());
  const auto lines = crlfLines(texts::winDiary);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines.back().find(czech), std::string_view::npos);
  EXPECT_NE(lines.back().find("Vargo"), std::string_view::npos);
  EXPECT_NE(texts::mise1Diary.find("Vargo"), std::string_view::npos);
}

TEST(About, ArticleIsQuotationBlankLineAndOneParagraph) {
  const auto text = texts::aboutArticle;
  EXPECT_EQ(length(text), 677);
  EXPECT_EQ(count(text, "\r\n"), 3u);
  EXPECT_EQ(loneCr(text), 0u);
  EXPECT_EQ(loneLf(text), 0u);
  EXPECT_TRUE(text.ends_with("\r\n"));
  const auto lines = crlfLines(text);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], " ,, Není nic sladšího než úspěch. A vy, chlapci, jste úspěšní byli.\" ");
  EXPECT_TRUE(lines[1].empty());
  EXPECT_GT(length(lines[2]), 500);
  EXPECT_NE(lines[2].find("Vargo"), std::string_view::npos);
}

TEST(About, SourceNoteFitsItsLabel) {
  const auto note = texts::aboutSourceNote;
  ASSERT_TRUE(note.starts_with("Texty v této sekci jsou ze "));
  EXPECT_LT(length(note), 38);
  const auto address = note.substr("Texty v této sekci jsou ze "sv.size());
  EXPECT_FALSE(address.empty());
  EXPECT_EQ(address.find(' '), std::string_view::npos);
  EXPECT_TRUE(address.ends_with(".test") || address.ends_with(".example"));
}

TEST(Uniforma, TwoParagraphsWithoutLineBreaks) {
  EXPECT_EQ(length(texts::uniformaFirst), 674);
  EXPECT_TRUE(texts::uniformaFirst.starts_with(
      "Vargo se záměrně vyhýbá okázalým a křiklavým uniformám nebo ozdobám"));
  EXPECT_EQ(length(texts::uniformaSecond), 624);
  EXPECT_TRUE(texts::uniformaSecond.starts_with("Drobnou zvláštností stejnokroje Vargo je to, že"));
  for (const auto text : {texts::uniformaFirst, texts::uniformaSecond}) {
    EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos);
    EXPECT_NE(text.back(), ' ');
    EXPECT_TRUE(text.ends_with("."));
  }
}

TEST(Akce, LengthHeadingsInOrderAndIndentedParagraphs) {
  const auto text = texts::akceArticle;
  EXPECT_EQ(length(text), 9620);
  const std::vector<std::string_view> headings = {"JAKO AKČNÍ FILM!", "AKCE ZAČÍNÁ",     "POČÁTEČNÍ ÚSPĚCHY",
                                                  "PRVNÍ OBĚŤ",       "ZABIJ PRVNÍHO !", "JAK SNADNÉ"};
  ASSERT_TRUE(text.starts_with(headings.front()));
  // Split at every kind of break and walk the lines.
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n')
      continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    start = i + 1;
  }
  if (start < text.size())
    lines.push_back(text.substr(start));
  std::size_t next = 0, body = 0;
  for (const auto line : lines) {
    if (line.empty())
      continue;
    if (next < headings.size() && line == headings[next]) {
      ++next;
      continue;
    }
    ASSERT_GT(next, 0u) << "text before the first heading";
    EXPECT_TRUE(line.starts_with("    ")) << "body paragraph not indented: " << line.substr(0, 40);
    EXPECT_NE(line[4], ' ');
    ++body;
  }
  EXPECT_EQ(next, headings.size()) << "headings missing or out of order";
  EXPECT_GE(body, headings.size());
}

TEST(Akce, MixesAllThreeKindsOfLineBreakAndFitsItsLabel) {
  const auto text = texts::akceArticle;
  EXPECT_GT(count(text, "\r\n"), 0u);
  EXPECT_GT(loneLf(text), 0u);
  EXPECT_GT(loneCr(text), 0u);
  // about 190 characters a line in 833 px, at most ~72 lines in 692 px
  const int lines = wrappedLines(text, 190);
  EXPECT_GT(lines, 50);
  EXPECT_LE(lines, 72);
}

}  // namespace
