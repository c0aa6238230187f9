// A platform that records every window call in order and can be told which open step fails and
// which close steps fail: enough to check the shell's order and its messages without a window.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/null_window_platform.hpp"

namespace gloam::shell::testing {

class RecordingPlatform : public platform::NullWindowPlatform {
 public:
  std::vector<std::string> calls;
  std::optional<platform::OpenStep> failOpenAt;
  unsigned failCloseSteps = 0;  // CloseStep bits
  int width = 0, height = 0;

  std::optional<platform::OpenStep> openWindow(const platform::WindowSpec& spec) override {
    calls.push_back("open " + std::to_string(spec.width) + "x" + std::to_string(spec.height));
    width = spec.width;
    height = spec.height;
    return failOpenAt;
  }
  platform::CloseReport closeWindow() override {
    calls.push_back("close");
    return {failCloseSteps};
  }
  void swapBuffers() override { calls.push_back("swap"); }
  void showCursor(bool visible) override { calls.push_back(visible ? "showCursor" : "hideCursor"); }
  void moveWindow(const platform::Rect&) override { calls.push_back("moveWindow"); }
  void messageBox(const char* caption, const char* text, platform::MessageIcon) override {
    calls.push_back(std::string("message ") + caption + ": " + text);
  }
  platform::Rect windowRect() override { return {0, 0, width, height}; }
};

}  // namespace gloam::shell::testing
