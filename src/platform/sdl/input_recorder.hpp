// Records a windowed game's input as an input script: the seed, then every change of a game key
// or of the mouse pixel, stamped with the pass it was first seen in. Replayed headless, the
// script reproduces the game pass for pass.
#pragma once
#include <array>
#include <cstdint>
#include <fstream>
#include <string>

namespace gloam::platform {

class InputRecorder {
 public:
  // Opens the file and writes the seed line; false if the file cannot be written.
  bool open(const std::string& path, std::uint32_t seed);
  bool isOpen() const { return out_.is_open(); }

  // Notes the state seen at the start of a pass; writes only what changed since the last pass.
  void keyState(int frame, int virtualKey, bool down);
  void mousePixel(int frame, int x, int y);
  void closeRequest(int frame) { out_ << frame << " close\n"; }
  void flush() { out_.flush(); }

 private:
  std::ofstream out_;
  std::array<bool, 256> down_{};
  int mouseX_ = -1;
  int mouseY_ = -1;
};

// Every virtual key the game tests, for the recorder to watch.
extern const int RecordedKeys[];
extern const int RecordedKeyCount;

}  // namespace gloam::platform
