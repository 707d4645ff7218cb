#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace veltrane::platform {
namespace {

Platform* installed = nullptr;

}  // namespace

void InstallPlatform(Platform* platform) { installed = platform; }

Platform& CurrentPlatform() {
  // Only a program that forgot to install its platform gets here.
  if (installed == nullptr) {
    std::fputs("veltrane: no platform installed\n", stderr);
    std::abort();
  }
  return *installed;
}

}  // namespace veltrane::platform
