// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/font_chain.h"

namespace vargo::media {

namespace {

// The decorative counter face is rare: a condensed display face comes closest, else a bold serif.
constexpr FontCandidate kSans[] = {
    {"MS Sans Serif"}, {"Liberation Sans"}, {"DejaVu Sans"}, {"sans-serif", true}};
constexpr FontCandidate kSerif[] = {{"MS Serif"}, {"Liberation Serif"}, {"DejaVu Serif"}, {"serif", true}};
constexpr FontCandidate kDisplay[] = {{"PrincetownD"},
                                      {"Bebas Neue"},
                                      {"Liberation Serif", false, true},
                                      {"DejaVu Serif", false, true},
                                      {"serif", true, true}};

}  // namespace

std::span<const FontCandidate> fontChain(ui::Face face) {
  switch (face) {
    case ui::Face::MsSansSerif:
      return kSans;
    case ui::Face::MsSerif:
      return kSerif;
    case ui::Face::PrincetownD:
      return kDisplay;
  }
  return kSans;
}

}  // namespace vargo::media
