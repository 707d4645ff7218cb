// The compiled zones of one folder, under the names the folder's own list
// (tzdata.zi) gives them.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "app/cli_tzif.h"
#include "base/result.h"

namespace veltrane::app {

// Zone and link names of a list in tzdata.zi's form, each with the name of the
// zone file that holds it: a zone its own, a link its target's. Lines of other
// kinds, and names that could leave the folder, are passed over.
using ZoneList = std::map<std::string, std::string, std::less<>>;
ZoneList ReadZoneList(std::string_view text);

// Whether `name` has the form of an IANA zone name: parts of letters, digits,
// '_', '-' and '+' joined by single '/', so it never leaves the folder.
bool IsZoneNameShape(std::string_view name);

class ZoneDatabase {
 public:
  // The zones of `folder`; nothing is read until a zone is asked for.
  explicit ZoneDatabase(std::filesystem::path folder, bool list_required = false);

  // The zone of a listed name (a folder without a list, where allowed, takes
  // any name of zone form), read from its file once. A missing folder or
  // list, an unknown name or a malformed file is an error. Safe to call from
  // several threads.
  Result<std::shared_ptr<const TzifZone>> Find(std::string_view name);

 private:
  Result<std::shared_ptr<const TzifZone>> Read(std::string_view name, const std::string& file);

  std::filesystem::path folder_;
  bool list_required_;
  std::mutex mutex_;
  bool opened_ = false;
  ZoneList list_;
  std::map<std::string, std::shared_ptr<const TzifZone>, std::less<>> zones_;  // by file
};

}  // namespace veltrane::app
