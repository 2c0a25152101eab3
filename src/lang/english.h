// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English texts, made from po/en.po at build time, sorted by the Czech text they stand for, and the
// pictures drawn anew with English words.

#include <span>

#include "ui/translation.h"

namespace vargo::lang {

std::span<const ui::TranslatedText> englishTexts();
std::span<const ui::TranslatedText> englishPictures();

}  // namespace vargo::lang
