// How the program gets a Platform without knowing what lies behind it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/input_script.hpp"
#include "platform/platform.hpp"

namespace gloam::platform {

struct PlatformOptions {
  bool headless = false;   // no display: input from `script`, pauses counted, not slept
  InputScript script;      // headless only
  std::string recordPath;  // windowed only: write every pass's input here as an input script
  std::uint32_t seed = 0;  // written at the top of a recording
  // Headless only: every message box also goes here as "CAPTION: text".
  std::vector<std::string>* messageLog = nullptr;
};

// Opens the platform the options ask for. On failure returns null and says why in `error`
// (no display, a recording that cannot be written, ...).
std::unique_ptr<Platform> openPlatform(PlatformOptions options, std::string& error);

}  // namespace gloam::platform
