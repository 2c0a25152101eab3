// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the WAV fuzzer ever failed on (tests/fuzz/regressions), replayed through the decoder the way
// the fuzzer feeds it. Each must decode to whole device frames of at most half a minute, or to nothing,
// without SDL asking for more memory at once than a few times the file's size.

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/wav_input.h"
#include "media/wav.h"

namespace vargo::test {
namespace {

namespace fs = std::filesystem;

// SDL's allocations while it lives, forwarded to the C library; the largest single request is kept.
class LargestSdlAllocation {
 public:
  LargestSdlAllocation() {
    SDL_GetMemoryFunctions(&malloc_, &calloc_, &realloc_, &free_);
    largest_ = 0;
    SDL_SetMemoryFunctions(&countedMalloc, &countedCalloc, &countedRealloc, &std::free);
  }
  ~LargestSdlAllocation() { SDL_SetMemoryFunctions(malloc_, calloc_, realloc_, free_); }
  LargestSdlAllocation(const LargestSdlAllocation&) = delete;
  LargestSdlAllocation& operator=(const LargestSdlAllocation&) = delete;

  static std::size_t bytes() { return largest_; }

 private:
  static void note(std::size_t bytes) { largest_ = std::max<std::size_t>(largest_, bytes); }
  static void* countedMalloc(std::size_t bytes) {
    note(bytes);
    return std::malloc(bytes);
  }
  static void* countedCalloc(std::size_t count, std::size_t bytes) {
    note(count * bytes);
    return std::calloc(count, bytes);
  }
  static void* countedRealloc(void* old, std::size_t bytes) {
    note(bytes);
    return std::realloc(old, bytes);
  }

  static inline std::atomic<std::size_t> largest_;
  SDL_malloc_func malloc_ = nullptr;
  SDL_calloc_func calloc_ = nullptr;
  SDL_realloc_func realloc_ = nullptr;
  SDL_free_func free_ = nullptr;
};

std::vector<std::uint8_t> readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzRegressions, EveryInputTheFuzzerFailedOnDecodesWithinBounds) {
  media::prepareWavDecoding();
  int replayed = 0;
  for (const auto& entry : fs::directory_iterator(VARGO_FUZZ_REGRESSIONS)) {
    const auto bytes = readAll(entry.path());
    ASSERT_FALSE(bytes.empty()) << entry.path();
    const auto input = fuzz::splitInput(bytes);
    const LargestSdlAllocation watch;
    const auto samples = media::decodeWav(input.file, input.device);
    ++replayed;
    EXPECT_LE(watch.bytes(), 4 * bytes.size() + (1U << 20U))
        << entry.path().filename() << ": SDL asked for " << watch.bytes() << " bytes at once for a "
        << bytes.size() << "-byte file";
    if (!samples)
      continue;
    const std::size_t frame = fuzz::frameBytes(input.device);
    EXPECT_EQ(samples->size() % frame, 0U) << entry.path().filename() << ": whole device frames";
    EXPECT_LE(samples->size() / frame, media::kLongestSoundSeconds * input.device.frequency)
        << entry.path().filename() << ": decoded " << samples->size() << " bytes";
  }
  EXPECT_GE(replayed, 3) << "inputs found in " << VARGO_FUZZ_REGRESSIONS;
}

}  // namespace
}  // namespace vargo::test
