// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chunk structure of a RIFF WAVE file, checked against the file's real size before any decoder reads
// it: a decoder allocates what a chunk claims, so a 26 KB file whose data chunk claims 4 GiB would make it
// allocate 4 GiB.

#include <cstdint>
#include <span>

namespace vargo::media {

// True when the file starts "RIFF", "WAVE", holds a data chunk, and every chunk it names lies inside the
// file (only the last chunk's pad byte may be missing).
bool chunksFitFile(std::span<const std::uint8_t> file);

}  // namespace vargo::media
