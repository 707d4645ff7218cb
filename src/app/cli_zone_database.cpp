#include "app/cli_zone_database.h"

#include <array>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "app/cli_value.h"

namespace veltrane::app {
namespace {

constexpr std::size_t kLargestZoneFile = 1 << 20;
constexpr std::size_t kLargestList = 4 << 20;
// tzdata.zi names links of zones; a link of a link is followed this far.
constexpr int kLinkSteps = 8;

struct FileBytes {
  bool opened = false;
  bool too_large = false;
  std::vector<unsigned char> bytes;
};

// The bytes of a file, read no further than `limit` bytes.
FileBytes ReadFile(const std::filesystem::path& path, std::size_t limit) {
  FileBytes read;
  std::ifstream file(path, std::ios::binary);
  read.opened = static_cast<bool>(file);
  std::array<char, 4096> chunk{};
  while (read.opened && (file.read(chunk.data(), chunk.size()) || file.gcount() > 0)) {
    read.bytes.insert(read.bytes.end(), chunk.begin(), chunk.begin() + file.gcount());
    if (read.bytes.size() > limit) {
      read.too_large = true;
      read.bytes.clear();
      break;
    }
  }
  return read;
}

// A path as UTF-8 on one line (Windows gives it in UTF-16).
std::string PathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  std::string text(utf8.begin(), utf8.end());
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return text;
}

Error UnknownZone(std::string_view name) { return Error{"unknown time zone " + QuotedValue(name)}; }

}  // namespace

bool IsZoneNameShape(std::string_view name) {
  if (name.empty() || name.size() > 64 || name.front() == '/' || name.back() == '/') return false;
  char previous = '/';
  for (const char c : name) {
    const bool word = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-' || c == '+';
    if (!word && c != '/') return false;
    if (c == '/' && previous == '/') return false;
    previous = c;
  }
  return true;
}

ZoneList ReadZoneList(std::string_view text) {
  ZoneList list;
  ZoneList links;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string kind;
    std::string first;
    std::string second;
    fields >> kind >> first;
    if (!IsZoneNameShape(first)) continue;
    if (kind == "Z") list.insert_or_assign(first, first);
    if (kind == "L" && fields >> second && IsZoneNameShape(second)) links[second] = first;
  }
  // A link stands for the zone its target is, or is left out when none is found.
  for (const auto& [link, target] : links) {
    std::string zone = target;
    for (int step = 0; step < kLinkSteps && !list.contains(zone); ++step) {
      const auto next = links.find(zone);
      if (next == links.end()) break;
      zone = next->second;
    }
    if (const auto found = list.find(zone); found != list.end() && !list.contains(link)) {
      list.emplace(link, found->second);
    }
  }
  return list;
}

ZoneDatabase::ZoneDatabase(std::filesystem::path folder, bool list_required)
    : folder_(std::move(folder)), list_required_(list_required) {}

Result<std::shared_ptr<const TzifZone>> ZoneDatabase::Find(std::string_view name) {
  if (!IsZoneNameShape(name)) return UnknownZone(name);
  const std::lock_guard lock(mutex_);
  if (!opened_) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder_, error)) {
      return Error{"cannot read time zones: the folder " + PathText(folder_) + " is missing"};
    }
    const FileBytes text = ReadFile(folder_ / "tzdata.zi", kLargestList);
    list_ = ReadZoneList(
        std::string_view(reinterpret_cast<const char*>(text.bytes.data()), text.bytes.size()));
    if (list_.empty() && list_required_) {
      return Error{"cannot read time zones: the folder " + PathText(folder_) +
                   " has no list of zones (tzdata.zi)"};
    }
    opened_ = true;
  }
  // Files beside the zones (localtime, posixrules, right/...) are not zones.
  if (list_.empty()) return Read(name, std::string(name));
  const auto listed = list_.find(name);
  if (listed == list_.end()) return UnknownZone(name);
  return Read(name, listed->second);
}

Result<std::shared_ptr<const TzifZone>> ZoneDatabase::Read(std::string_view name,
                                                           const std::string& file) {
  if (const auto found = zones_.find(file); found != zones_.end()) return found->second;
  const FileBytes read = ReadFile(folder_ / std::filesystem::path(file), kLargestZoneFile);
  if (!read.opened) return UnknownZone(name);
  if (read.too_large) return Error{"the zone file of " + QuotedValue(name) + " is too large"};
  auto zone = ParseTzif(read.bytes);
  if (!zone) {
    return Error{"cannot read the time zone " + QuotedValue(name) + ": " + zone.error().message};
  }
  auto shared = std::make_shared<const TzifZone>(std::move(*zone));
  zones_.emplace(file, shared);
  return shared;
}

}  // namespace veltrane::app
