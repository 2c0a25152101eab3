// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "media/utf8_path.h"
#include "platform/sdl/sdl_ptrs.h"

namespace {

namespace fs = std::filesystem;

// A folder named with Czech letters, as a player may install the game: the file written there through the
// path is the one SDL opens by the path's UTF-8 text.
TEST(Utf8Path, SdlOpensAFileInAFolderWithCzechLetters) {
  const std::string folderName = "Střelnice Vargo – hráč";
  const fs::path folder = fs::temp_directory_path() / vargo::media::pathFromUtf8(folderName);
  fs::create_directories(folder);
  const fs::path file = folder / vargo::media::pathFromUtf8("zkouška.txt");
  std::ofstream(file) << "ok";
  const std::string text = vargo::media::utf8Of(file);
  EXPECT_NE(text.find(folderName), std::string::npos) << text;
  char read[2] = {};
  {
    const vargo::sdl::RWopsPtr opened(SDL_RWFromFile(text.c_str(), "rb"));
    ASSERT_NE(opened, nullptr) << "SDL could not open " << text << ": " << SDL_GetError();
    EXPECT_EQ(SDL_RWread(opened.get(), read, 1, 2), 2U);
  }
  EXPECT_EQ(std::string(read, 2), "ok");
  fs::remove_all(folder);
}

}  // namespace
