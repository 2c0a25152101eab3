// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/data_folder.h"

#include <SDL_filesystem.h>

#include <memory>

#include "media/utf8_path.h"

namespace vargo::media {

namespace fs = std::filesystem;

const fs::path& executableFolder() {
  static const fs::path folder = [] {
    const std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), &SDL_free);
    return base ? pathFromUtf8(base.get()).lexically_normal() : fs::path();
  }();
  return folder;
}

const fs::path& installedDataFolder() {
  static const fs::path folder = executableFolder().empty()
                                     ? fs::path()
                                     : (executableFolder() / VARGO_INSTALLED_DATA).lexically_normal();
  return folder;
}

fs::path dataFile(std::string_view name, const fs::path& installed) {
  const fs::path here = pathFromUtf8(name);
  std::error_code error;
  if (installed.empty() || fs::exists(here, error))
    return here;
  return installed / here;
}

}  // namespace vargo::media
