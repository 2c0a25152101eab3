// SPDX-License-Identifier: GPL-3.0-or-later
// playSound with every kind of file a player's data folder might hold: missing, empty, cut short, not a
// WAV at all, unusual sample formats, far too large; with and without an audio device; and whether a new
// sound replaces the one that plays.

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "media/data_folder.h"
#include "media/sound.h"
#include "media/utf8_path.h"
#include "platform/headless/recorded_sound.h"
#include "platform/sdl/sdl_platform.h"

namespace vargo::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The device format of the recorded sound output: 44.1 kHz, stereo, signed 16-bit.
constexpr int kDeviceRate = 44100;
constexpr std::size_t kDeviceFrameBytes = 4;

struct WavFormat {
  const char* name;
  std::uint16_t tag;  // 1 integer PCM, 3 IEEE float
  std::uint16_t channels;
  std::uint32_t rate;
  std::uint16_t bits;
};

void put16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8U));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v));
  put16(out, static_cast<std::uint16_t>(v >> 16U));
}
void putTag(Bytes& out, std::string_view tag) {
  for (char c : tag)
    out.push_back(static_cast<std::uint8_t>(c));
}

// A RIFF WAVE file whose data chunk claims `claimed` bytes and holds `data`.
Bytes wavFile(const WavFormat& f, const Bytes& data, std::uint32_t claimed) {
  Bytes out;
  out.reserve(44 + data.size());
  putTag(out, "RIFF");
  put32(out, 36 + claimed);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, f.tag);
  put16(out, f.channels);
  put32(out, f.rate);
  put32(out, f.rate * f.channels * f.bits / 8U);
  put16(out, static_cast<std::uint16_t>(f.channels * f.bits / 8U));
  put16(out, f.bits);
  putTag(out, "data");
  put32(out, claimed);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

// `frames` frames of one constant sample value in the given format.
Bytes constantSamples(const WavFormat& f, std::size_t frames, float level) {
  Bytes out;
  for (std::size_t i = 0; i < frames * f.channels; ++i) {
    if (f.tag == 3) {
      std::uint32_t bits = 0;
      std::memcpy(&bits, &level, sizeof bits);
      put32(out, bits);
    } else if (f.bits == 8) {
      out.push_back(static_cast<std::uint8_t>(128 + level * 127));
    } else {
      put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(level * 32767)));
    }
  }
  return out;
}

Bytes wavOf(const WavFormat& f, std::size_t frames, float level) {
  const Bytes data = constantSamples(f, frames, level);
  return wavFile(f, data, static_cast<std::uint32_t>(data.size()));
}

constexpr WavFormat kCd{"16-bit stereo 44.1 kHz", 1, 2, 44100, 16};

class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vargo-sound-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string write(const std::string& name, const Bytes& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }
  // A file of the given size that takes no disk space: a WAV header, then a hole.
  std::string writeSparse(const std::string& name, std::uintmax_t size) {
    const std::string path = write(name, wavFile(kCd, {}, static_cast<std::uint32_t>(size - 44)));
    fs::resize_file(path, size);
    return path;
  }

  // Plays the file on the recorded output; the samples handed to the device, one entry per sound.
  std::vector<Bytes> play(const std::string& path) {
    EXPECT_NO_THROW(sound_.playSound(path)) << path;
    sound_.waitUntilHandled();
    return output_.sounds();
  }

  fs::path dir_;
  platform::RecordedSound output_;
  media::Sound sound_{output_};
};

TEST_F(SoundFiles, FilesThatHoldNoSoundPlayNothing) {
  std::mt19937 rng(12345);
  Bytes garbage(4096);
  for (auto& b : garbage)
    b = static_cast<std::uint8_t>(rng());
  Bytes riffGarbage = wavOf(kCd, 100, 0.5F);
  std::fill(riffGarbage.begin() + 12, riffGarbage.end(), 0xFF);  // chunks past the RIFF header are noise
  const Bytes header = wavOf(kCd, 0, 0.0F);

  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing file", (dir_ / "none.wav").string()},
      {"missing folder", (dir_ / "data" / "vystrel.wav").string()},
      {"a folder", dir_.string()},
      {"empty file", write("empty.wav", {})},
      {"garbage", write("garbage.wav", garbage)},
      {"RIFF header and garbage", write("riff.wav", riffGarbage)},
      {"header cut short", write("cut-header.wav", Bytes(header.begin(), header.begin() + 20))},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(play(c.path).empty()) << c.what;
  }
}

TEST_F(SoundFiles, UnusualSampleFormatsPlayAtTheirLength) {
  const WavFormat formats[] = {
      {"8-bit mono 22.05 kHz", 1, 1, 22050, 8},          {"16-bit stereo 22.05 kHz", 1, 2, 22050, 16},
      {"16-bit mono 11.025 kHz", 1, 1, 11025, 16},       {"32-bit float mono 48 kHz", 3, 1, 48000, 32},
      {"32-bit float stereo 44.1 kHz", 3, 2, 44100, 32}, {"8-bit stereo 8 kHz", 1, 2, 8000, 8},
  };
  constexpr double kSeconds = 0.25;
  for (const WavFormat& f : formats) {
    const std::size_t before = output_.sounds().size();
    const auto sounds =
        play(write("unusual.wav", wavOf(f, static_cast<std::size_t>(f.rate * kSeconds), 0.5F)));
    ASSERT_EQ(sounds.size(), before + 1) << f.name << " did not play";
    const double seconds =
        static_cast<double>(sounds.back().size()) / kDeviceFrameBytes / static_cast<double>(kDeviceRate);
    EXPECT_NEAR(seconds, kSeconds, 0.01) << f.name;
    EXPECT_EQ(sounds.back().size() % kDeviceFrameBytes, 0U) << f.name << ": whole device frames";
  }
}

TEST_F(SoundFiles, AFileCutShortPlaysAtMostWhatItHolds) {
  const std::size_t frames = 2205;  // 50 ms
  const Bytes data = constantSamples(kCd, frames, 0.5F);
  const Bytes cut = wavFile(kCd, data, static_cast<std::uint32_t>(data.size() * 20));  // claims a second
  const auto& sounds = play(write("cut.wav", cut));
  ASSERT_LE(sounds.size(), 1U);
  if (!sounds.empty()) {
    EXPECT_LE(sounds.back().size(), frames * kDeviceFrameBytes) << "no sound invented past the end";
  }
}

// A sound effect lasts seconds: a small file that claims a rate of a few samples a second would expand to
// hours of sound at the device's rate.
TEST_F(SoundFiles, ASoundLongerThanHalfAMinuteIsRefused) {
  constexpr WavFormat kCrawl{"16-bit mono at 2 Hz", 1, 1, 2, 16};
  EXPECT_TRUE(play(write("crawl.wav", wavOf(kCrawl, 200, 0.5F))).empty()) << "100 s";
  constexpr WavFormat kPhone{"8-bit mono 8 kHz", 1, 1, 8000, 8};
  EXPECT_TRUE(play(write("long.wav", wavOf(kPhone, 8000 * 31, 0.5F))).empty()) << "31 s";
  EXPECT_EQ(play(write("twenty.wav", wavOf(kPhone, 8000 * 20, 0.5F))).size(), 1U) << "20 s still plays";
}

TEST_F(SoundFiles, AHugeFileIsLeftUnread) {
  const std::string huge = writeSparse("huge.wav", 100ULL << 20U);
  ASSERT_EQ(fs::file_size(huge), 100ULL << 20U);
  EXPECT_TRUE(play(huge).empty());
  // A sound effect of ordinary size still plays after it.
  EXPECT_EQ(play(write("small.wav", wavOf(kCd, 441, 0.5F))).size(), 1U);
}

// A file is decoded once while its size and modification time stay; a replaced file plays anew.
TEST_F(SoundFiles, AFileIsDecodedOnceWhileItIsUnchanged) {
  const std::string path = write("shot.wav", wavOf(kCd, 441, 0.5F));
  const auto stamp = fs::last_write_time(path);
  play(path);
  write("shot.wav", wavOf(kCd, 441, -0.5F));  // other samples, the same size
  fs::last_write_time(path, stamp);
  play(path);
  fs::last_write_time(path, stamp + std::chrono::seconds(2));
  play(path);
  write("shot.wav", wavOf(kCd, 882, 0.5F));
  const auto sounds = play(path);
  ASSERT_EQ(sounds.size(), 4U);
  EXPECT_EQ(sounds[1], sounds[0]) << "a file of the same size and time is not read again";
  EXPECT_NE(sounds[2], sounds[0]) << "a file of the same size with a new time is read again";
  EXPECT_EQ(sounds[3].size(), 2 * sounds[0].size()) << "the changed file is what plays";
  fs::remove(path);
  EXPECT_EQ(play(path).size(), 4U) << "a file taken away plays nothing";
}

// Only what decoded is kept: a file that gave no sound plays once it is mended, even with its old size and
// time, and each file's cause is said once.
TEST_F(SoundFiles, AFileThatGaveNoSoundIsTriedAgainAndSaidOnce) {
  const Bytes good = wavOf(kCd, 441, 0.5F);
  const std::string path = write("shot.wav", Bytes(good.size(), 0x55));
  const auto stamp = fs::last_write_time(path);
  const std::string missing = (dir_ / "none.wav").string();
  ::testing::internal::CaptureStderr();
  play(path);
  play(path);
  play(missing);
  play(missing);
  write("shot.wav", good);
  fs::last_write_time(path, stamp);
  const auto sounds = play(path);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(sounds.size(), 1U) << "the mended file plays";
  EXPECT_EQ(std::ranges::count(said, '\n'), 2) << said;
  EXPECT_NE(said.find("vargo: " + path + ": not a sound the game can play"), std::string::npos) << said;
  EXPECT_NE(said.find("vargo: " + missing + ": no such file"), std::string::npos) << said;
}

// A failure on the sound thread, here the memory for a sound, leaves that sound silent and the game going.
TEST_F(SoundFiles, AFailureOnTheSoundThreadLeavesThatSoundSilent) {
  class FailingOnce final : public platform::SoundOutput {
   public:
    std::optional<platform::AudioFormat> format() const override { return recorded.format(); }
    void replace(std::span<const std::uint8_t> samples) override {
      if (failures++ == 0)
        throw std::bad_alloc();
      recorded.replace(samples);
    }
    platform::RecordedSound recorded;
    int failures = 0;
  } output;
  media::Sound sound(output);
  const std::string path = write("shot.wav", wavOf(kCd, 441, 0.5F));
  ::testing::internal::CaptureStderr();
  sound.playSound(path);
  sound.waitUntilHandled();
  sound.playSound(path);
  sound.waitUntilHandled();
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(output.recorded.sounds().size(), 1U) << "the next shot still plays";
  EXPECT_NE(said.find("vargo: " + path + ": cannot be played (std::bad_alloc)"), std::string::npos) << said;
}

// Shots come faster than a large sound decodes: only the newest request plays, the older ones are dropped.
TEST_F(SoundFiles, AQuickRunOfShotsPlaysTheLastOne) {
  const std::string big = write("big.wav", wavOf({"8-bit mono 96 kHz", 1, 1, 96000, 8}, 96000 * 20, 0.25F));
  const std::string small = write("small.wav", wavOf(kCd, 441, 0.5F));
  for (int shot = 0; shot < 20; ++shot)
    sound_.playSound(shot % 2 == 0 ? big : small);
  sound_.waitUntilHandled();
  const auto sounds = output_.sounds();
  ASSERT_FALSE(sounds.empty());
  EXPECT_LT(sounds.size(), 20U) << "requests made during a decode are not all played";
  EXPECT_EQ(sounds.back().size(), 441 * kDeviceFrameBytes) << "the last request is the sound that plays";
}

TEST_F(SoundFiles, NoAudioDeviceMeansSilence) {
  platform::RecordedSound silent(false);
  media::Sound sound(silent);
  EXPECT_NO_THROW(sound.playSound(write("shot.wav", wavOf(kCd, 441, 0.5F))));
  sound.waitUntilHandled();
  EXPECT_TRUE(silent.sounds().empty());
}

// data/ in the working directory comes first; a file that is not there is taken from the installed folder.
TEST_F(SoundFiles, ADataFileMissingHereIsTakenFromTheInstalledFolder) {
  const fs::path installed = dir_ / "share" / "vargo";
  fs::create_directories(installed / "data");
  write("share/vargo/data/only-installed.wav", wavOf(kCd, 10, 0.5F));
  const fs::path here = fs::current_path() / "data";
  fs::create_directories(here);
  std::ofstream(here / "both.wav") << "x";
  write("share/vargo/data/both.wav", wavOf(kCd, 10, 0.5F));
  EXPECT_EQ(media::dataFile("data/only-installed.wav", installed), installed / "data/only-installed.wav");
  EXPECT_EQ(media::dataFile("data/both.wav", installed), fs::path("data/both.wav"))
      << "the working folder first";
  fs::remove(here / "both.wav");
#ifdef _WIN32
  const std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  EXPECT_EQ(media::installedDataFolder(), media::pathFromUtf8(base.get()).lexically_normal())
      << "beside vargo.exe";
#else
  const auto exe = fs::canonical("/proc/self/exe").parent_path();
  EXPECT_EQ(media::installedDataFolder(), (exe / "../share/vargo").lexically_normal());
#endif
}

// ---- the real SDL audio device, with SDL's own test drivers ----

class SdlAudio : public SoundFiles {
 protected:
  void SetUp() override {
    SoundFiles::SetUp();
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
  }
};

TEST_F(SdlAudio, AnUnknownAudioDriverLeavesTheGameSilent) {
  SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform::SdlPlatform sdl;
  sdl.waitEvent(0);
  EXPECT_FALSE(sdl.sound().format().has_value());
  media::Sound sound(sdl.sound());
  EXPECT_NO_THROW(sound.playSound(write("shot.wav", wavOf(kCd, 441, 0.5F))));
}

// The device that the platform opened: SDL numbers opened devices from 2 (1 is its legacy interface).
std::optional<SDL_AudioDeviceID> playingDevice() {
  for (SDL_AudioDeviceID id = 2; id < 16; ++id) {
    if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
      return id;
  }
  return std::nullopt;
}

// The disk driver writes what the device plays to a file, at the pace of real playback. The file is read
// once the device is closed (on Windows no one else may open it before), and the waits watch the device's
// queue: what the device has taken from it, however busy the machine.
TEST_F(SdlAudio, ANewSoundCutsOffTheOneThatPlays) {
  const std::string output = (dir_ / "device.raw").string();
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  constexpr std::size_t kLongFrames = 44100 * 3;  // three seconds
  constexpr std::size_t kShortFrames = 4410;      // a tenth of a second
  constexpr Uint32 kBytesPerFrame = 4;            // the device's 16-bit stereo
  const std::string first = write("long.wav", wavOf(kCd, kLongFrames, 0.25F));
  const std::string second = write("short.wav", wavOf(kCd, kShortFrames, 0.75F));
  {
    platform::SdlPlatform sdl;
    EXPECT_FALSE(playingDevice().has_value()) << "a device opened on the way to the first frame";
    sdl.waitEvent(0);  // the first wait opens it
    const auto format = sdl.sound().format();
    ASSERT_TRUE(format.has_value());
    ASSERT_EQ(format->channels, 2);
    ASSERT_EQ(format->frequency, 44100);
    const auto device = playingDevice();
    ASSERT_TRUE(device.has_value());
    media::Sound sound(sdl.sound());
    const auto waitFor = [&](const char* what, auto done) {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while (!done(SDL_GetQueuedAudioSize(*device)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      EXPECT_TRUE(done(SDL_GetQueuedAudioSize(*device)))
          << "waited 10 s for " << what << "; " << SDL_GetQueuedAudioSize(*device) << " bytes queued";
    };
    sound.playSound(first);
    sound.waitUntilHandled();
    waitFor("the device to take the first sound's beginning",
            [&](Uint32 queued) { return queued < kLongFrames * kBytesPerFrame; });
    sound.playSound(second);
    sound.waitUntilHandled();
    waitFor("the device to take all of the second sound", [](Uint32 queued) { return queued == 0; });
  }
  std::ifstream in(output, std::ios::binary);
  std::vector<std::int16_t> samples;
  for (std::int16_t s = 0; in.read(reinterpret_cast<char*>(&s), sizeof s);)
    samples.push_back(s);
  const std::int16_t firstLevel = static_cast<std::int16_t>(0.25F * 32767);
  const std::int16_t secondLevel = static_cast<std::int16_t>(0.75F * 32767);
  const auto count = [&](std::int16_t value) { return std::ranges::count(samples, value); };
  EXPECT_GT(count(firstLevel), 0) << "the first sound began";
  EXPECT_LT(count(firstLevel), static_cast<long>(kLongFrames * 2)) << "the first sound was cut off";
  EXPECT_EQ(count(secondLevel), static_cast<long>(kShortFrames * 2)) << "the second sound played in full";
  const auto lastFirst = std::ranges::find_end(samples, std::vector{firstLevel});
  const auto firstSecond = std::ranges::find(samples, secondLevel);
  EXPECT_LT(lastFirst.begin() - samples.begin(), firstSecond - samples.begin()) << "never both at once";
}

}  // namespace
}  // namespace vargo::test
