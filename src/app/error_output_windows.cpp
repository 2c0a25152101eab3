// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "app/error_output.h"

namespace vargo::app {

namespace {

bool redirected(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

std::FILE* openLog() {
  const wchar_t* appData = _wgetenv(L"LOCALAPPDATA");
  if (appData == nullptr)
    return nullptr;
  const std::filesystem::path folder = std::filesystem::path(appData) / L"vargo";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return _wfopen((folder / L"vargo.log").c_str(), L"wb");
}

// Copies what comes down the pipe into the log, made at the first byte, until the pipe is closed. Without
// a log the lines are dropped, but the pipe is read all the same: a full pipe would stop the game.
void copyToLog(HANDLE pipe) {
  std::FILE* log = nullptr;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    if (log == nullptr && (log = openLog()) == nullptr)
      continue;
    std::fwrite(buffer, 1, got, log);
    std::fflush(log);
  }
  if (log != nullptr)
    std::fclose(log);
  CloseHandle(pipe);
}

std::thread& logWriter() {
  static std::thread writer;
  return writer;
}

// At exit: closing stderr closes the pipe, and the writer ends once the last line is in the log.
void finishLog() {
  std::fflush(stderr);
  _close(_fileno(stderr));
  logWriter().join();
}

// stderr becomes a pipe whose other end a thread copies into the log: a run that says nothing leaves none.
// A GUI program's stderr has no descriptor, and freopen cannot reopen a stream without one: it takes the
// pipe's.
void logErrors() {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, nullptr, 0))
    return;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(write), _O_WRONLY | _O_TEXT);
  if (fd < 0) {
    CloseHandle(read);
    CloseHandle(write);
    return;
  }
  stderr->_file = fd;
  logWriter() = std::thread(copyToLog, read);
  std::atexit(finishLog);
}

// Output that someone reads: a file or pipe the caller gave, or the console the game was started from.
bool outputRead() {
  return redirected(STD_OUTPUT_HANDLE) || GetConsoleWindow() != nullptr;
}

std::wstring widened(std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

}  // namespace

void showOutput(std::string_view text) {
  if (text.empty())
    return;
  if (outputRead()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return;
  }
  MessageBoxW(nullptr, widened(text).c_str(), L"vargo", MB_OK | MB_ICONINFORMATION);
}

void routeErrorOutput() {
  if (redirected(STD_ERROR_HANDLE))
    return;
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    return;
  }
  logErrors();
}

}  // namespace vargo::app
