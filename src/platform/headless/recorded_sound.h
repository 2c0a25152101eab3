// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound output in memory, for tests: a 44.1 kHz stereo 16-bit device (or none) that records every
// sound it is given.

#include <mutex>
#include <vector>

#include "platform/sound_output.h"

namespace vargo::platform {

class RecordedSound final : public SoundOutput {
 public:
  explicit RecordedSound(bool withDevice = true);

  std::optional<AudioFormat> format() const override { return format_; }
  void replace(std::span<const std::uint8_t> samples) override;
  // The samples of every sound played so far, in order.
  std::vector<std::vector<std::uint8_t>> sounds() const;

 private:
  std::optional<AudioFormat> format_;
  mutable std::mutex mutex_;
  std::vector<std::vector<std::uint8_t>> sounds_;
};

}  // namespace vargo::platform
