// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "media/font_lookup.h"
#include "media/shipped_fonts.h"

namespace vargo::media {

namespace {

// The registry keys listing the fonts Windows has: for every user, and the player's own.
const std::array<HKEY, 2> kFontRoots = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};
constexpr wchar_t kFontList[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

std::string utf8(std::wstring_view wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

bool scalableFile(std::string_view path) {
  const std::string_view kinds[] = {".ttf", ".otf", ".ttc"};
  for (std::string_view kind : kinds) {
    if (path.size() > kind.size() &&
        SDL_strcasecmp(path.substr(path.size() - kind.size()).data(), kind.data()) == 0) {
      return true;
    }
  }
  return false;
}

// A font of the list is named "<family>[ Bold] (TrueType)"; its file is a path or a name in the Fonts folder.
std::string listedFile(HKEY root, const std::wstring& entry) {
  wchar_t file[MAX_PATH];
  DWORD size = sizeof(file);
  for (const wchar_t* kind : {L" (TrueType)", L" (OpenType)"}) {
    size = sizeof(file);
    if (RegGetValueW(root, kFontList, (entry + kind).c_str(), RRF_RT_REG_SZ, nullptr, file, &size) ==
        ERROR_SUCCESS) {
      const std::wstring path(file);
      if (path.find(L'\\') != std::wstring::npos)
        return utf8(path);
      wchar_t windows[MAX_PATH];
      const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
      return utf8(std::wstring(windows, length) + L"\\Fonts\\" + path);
    }
  }
  return {};
}

std::string systemFont(const char* family, bool bold) {
  std::wstring entry;
  for (const char* c = family; *c != '\0'; ++c)
    entry += static_cast<wchar_t>(*c);
  if (bold)
    entry += L" Bold";
  for (HKEY root : kFontRoots) {
    if (std::string file = listedFile(root, entry); !file.empty())
      return file;
  }
  return {};
}

std::string shippedFontBesideGame(const char* family, bool bold) {
  const std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
  return base == nullptr ? std::string() : shippedFont(std::string(base.get()) + "fonts\\", family, bold);
}

std::optional<FontFile> found(const char* family, bool bold) {
  for (auto find : {systemFont, shippedFontBesideGame}) {
    const std::string path = find(family, bold);
    if (!path.empty() && scalableFile(path) && coversCzech(path))
      return FontFile{family, path};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FontFile> lookUpFamily(const FontCandidate& candidate, bool bold) {
  return lookUpFamilyWith(candidate, bold, found);
}

}  // namespace vargo::media
