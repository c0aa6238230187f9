// The browser build: the page, live or scripted.
#include "platform/open_platform.hpp"

#include "platform/web/web_platform.hpp"

namespace gloam::platform {

std::unique_ptr<Platform> openPlatform(PlatformOptions options, std::string& error) {
  if (!options.recordPath.empty()) {
    error = "--record writes a file on the desktop; the page cannot record its input";
    return nullptr;
  }
  if (options.headless) return WebPlatform::openScripted(std::move(options.script), options.messageLog);
  return WebPlatform::openLive();
}

}  // namespace gloam::platform
