// The desktop build: a window on SDL, or SDL's offscreen driver for a headless run.
#include "platform/open_platform.hpp"

#include "platform/headless/headless_platform.hpp"
#include "platform/sdl/sdl_platform.hpp"

namespace gloam::platform {

std::unique_ptr<Platform> openPlatform(PlatformOptions options, std::string& error) {
  // The command line refuses --record with --headless before a platform is opened.
  if (options.headless) return HeadlessPlatform::open(std::move(options.script), options.messageLog, error);
  return SdlPlatform::open(options.recordPath, options.seed, error);
}

}  // namespace gloam::platform
