// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desk/message_window.h"

#include "platform/desk/desk_pixels.h"

namespace vargo::platform {

namespace {

// The box's measures in logical pixels.
constexpr int kWidth = 360;
constexpr int kBorder = 3;
constexpr int kTitleHeight = 18;
constexpr int kTitleIndent = 5;
constexpr int kMargin = 14;
constexpr ui::Size kButton{75, 23};

ui::Rect shrunk(const ui::Rect& r, int by) {
  return {r.x + by, r.y + by, r.width - 2 * by, r.height - 2 * by};
}

// Text that stands in the middle of `area`, drawn from the top-left corner of where it lies.
ui::Rect centredIn(const ui::Rect& area, ui::Size text) {
  return {area.x + (area.width - text.width) / 2, area.y + (area.height - text.height) / 2, text.width,
          text.height};
}

void paintFrame(Canvas canvas, const MessageLayout& layout) {
  namespace p = ui::palette;
  const ui::Rect outside{0, 0, layout.size.width, layout.size.height};
  fill(canvas, outside, p::buttonFace);
  frame(canvas, outside, p::buttonFace, p::windowFrame);
  frame(canvas, shrunk(outside, 1), p::lightEdge, p::shadow);
  fill(canvas, layout.titleBar, p::highlight);
}

void paintButton(Canvas canvas, const ui::Rect& ok, BoxText& words) {
  namespace p = ui::palette;
  frame(canvas, ok, p::windowFrame, p::windowFrame);
  frame(canvas, shrunk(ok, 1), p::lightEdge, p::windowFrame);
  frame(canvas, shrunk(ok, 2), p::buttonFace, p::shadow);
  const ui::Rect label = shrunk(ok, 3);
  words.draw(canvas, centredIn(label, words.measure("OK", label.width, false)), "OK", p::buttonText, false);
}

}  // namespace

MessageLayout layOutMessage(BoxText& words, std::string_view text, int scale) {
  const int k = scale;
  const int width = kWidth * k;
  const ui::Rect titleBar{kBorder * k, kBorder * k, width - 2 * kBorder * k, kTitleHeight * k};
  const int textWidth = width - 2 * kMargin * k;
  const int textHeight = words.measure(text, textWidth, false).height;
  const ui::Rect textArea{kMargin * k, titleBar.bottom() + kMargin * k, textWidth, textHeight};
  const ui::Rect ok{(width - kButton.width * k) / 2, textArea.bottom() + kMargin * k, kButton.width * k,
                    kButton.height * k};
  return {{width, ok.bottom() + kMargin * k}, titleBar, textArea, ok};
}

void paintMessage(Canvas canvas, const MessageLayout& layout, BoxText& words, std::string_view title,
                  std::string_view text) {
  paintFrame(canvas, layout);
  const ui::Rect bar = layout.titleBar;
  const int indent = kTitleIndent * bar.height / kTitleHeight;
  const ui::Rect titleArea{bar.x + indent, bar.y, bar.width - 2 * indent, bar.height};
  const ui::Size titleSize = words.measure(title, titleArea.width, true);
  const ui::Rect titleText{titleArea.x, centredIn(titleArea, titleSize).y, titleArea.width, titleSize.height};
  words.draw(canvas, titleText, title, ui::palette::lightEdge, true);
  words.draw(canvas, layout.text, text, ui::palette::buttonText, false);
  paintButton(canvas, layout.ok, words);
}

}  // namespace vargo::platform
