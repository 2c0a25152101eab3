// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/text_layout.h"

namespace vargo::media {

namespace {

constexpr bool isBreak(char c) {
  return c == '\r' || c == '\n';
}

// Where the next paragraph starts after the one that ends at `end`: CR LF counts as one break.
std::size_t afterBreak(std::string_view text, std::size_t end) {
  if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
    return end + 2;
  return end + 1;
}

// The end of the word after `from`, with the spaces before it.
std::size_t nextWordEnd(std::string_view text, std::size_t from) {
  std::size_t i = text.find_first_not_of(' ', from);
  if (i == std::string_view::npos)
    return text.size();
  i = text.find(' ', i);
  return i == std::string_view::npos ? text.size() : i;
}

// Greedy wrapping of one paragraph (a run without line breaks): each line takes as many words as fit.
void wrapParagraph(std::string_view paragraph, int width, const MeasureText& measure,
                   std::vector<std::string_view>& lines) {
  std::size_t start = 0;
  do {
    std::size_t end = nextWordEnd(paragraph, start);
    while (end < paragraph.size()) {
      const std::size_t longer = nextWordEnd(paragraph, end);
      if (measure(paragraph.substr(start, longer - start)) > width)
        break;
      end = longer;
    }
    lines.push_back(paragraph.substr(start, end - start));
    start = paragraph.find_first_not_of(' ', end);
  } while (start != std::string_view::npos);
}

}  // namespace

std::vector<std::string_view> layoutText(std::string_view text, int width, const MeasureText& measure) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = start;
    while (end < text.size() && !isBreak(text[end]))
      ++end;
    wrapParagraph(text.substr(start, end - start), width, measure, lines);
    if (end >= text.size())
      break;
    start = afterBreak(text, end);
  }
  return lines;
}

}  // namespace vargo::media
