// Starting and stopping SDL's video, shared by the windowed and the headless platform.
#pragma once
#include <string>

namespace gloam::platform {

// SDL video for as long as it lives. `forcedDriver` null: a real display, refusing SDL's silent
// fallback to a windowless driver.
class SdlVideo {
 public:
  ~SdlVideo();
  bool start(const char* forcedDriver, std::string& error);

 private:
  bool started_ = false;
};

}  // namespace gloam::platform
