// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/error_output.h"

namespace vargo::app {

namespace {

bool redirected(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void routeErrorOutput() {
  if (redirected(STD_ERROR_HANDLE))
    return;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    return;
  }
  const char* appData = std::getenv("LOCALAPPDATA");
  if (appData == nullptr)
    return;
  const std::filesystem::path folder = std::filesystem::path(appData) / "vargo";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::freopen((folder / "vargo.log").string().c_str(), "w", stderr);
}

}  // namespace vargo::app
