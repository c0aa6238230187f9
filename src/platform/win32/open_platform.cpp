// The Windows build: a window of its own, or a hidden one for a headless run. There is no SDL here.
#include "platform/open_platform.hpp"

#include "platform/win32/win32_headless_platform.hpp"
#include "platform/win32/win32_platform.hpp"

namespace gloam::platform {

std::unique_ptr<Platform> openPlatform(PlatformOptions options, std::string& error) {
  // The command line refuses --record with --headless before a platform is opened.
  if (options.headless) return Win32HeadlessPlatform::open(std::move(options.script), options.messageLog);
  return Win32Platform::open(options.recordPath, options.seed, error);
}

}  // namespace gloam::platform
