// Windows has no zone database of the IANA's kind, so the zip ships one in a
// zoneinfo folder beside the programs. TZDIR is not read: a value meant for a
// POSIX shell sharing the environment (Wine, MSYS) would name a folder that
// does not exist here. The list is required: without it any file name would
// be opened, and on Windows names such as CON are devices, not files.
#include <windows.h>

#include <string>

#include "app/cli_zone_folder.h"

namespace veltrane::app {
namespace {

// The full path of this program, or nothing when Windows cannot give it.
std::filesystem::path ProgramPath() {
  constexpr std::size_t kLongestPath = 32768;
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      buffer.resize(n);
      return std::filesystem::path(buffer);
    }
    // Cut short: the path is longer than the buffer.
    if (buffer.size() >= kLongestPath) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

ZoneSource ZoneFolder() {
  const std::filesystem::path program = ProgramPath();
  const std::filesystem::path zones(L"zoneinfo");
  return {program.empty() ? zones : program.parent_path() / zones, true};
}

}  // namespace veltrane::app
