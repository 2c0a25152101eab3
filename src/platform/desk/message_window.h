// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desk's message box, in the look of a plain dialog of the classic grey scheme: a raised frame, a dark
// blue title bar with the title, the text, and an OK button centred under it.

#include <string_view>

#include "platform/desk/box_text.h"

namespace vargo::platform {

// Where the parts of a message box stand in its window, in device pixels at the scale it was laid out at.
struct MessageLayout {
  ui::Size size;
  ui::Rect titleBar;
  ui::Rect text;
  ui::Rect ok;
};

MessageLayout layOutMessage(BoxText& words, std::string_view text, int scale);
void paintMessage(Canvas canvas, const MessageLayout& layout, BoxText& words, std::string_view title,
                  std::string_view text);

}  // namespace vargo::platform
