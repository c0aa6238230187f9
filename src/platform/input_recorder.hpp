// Records a windowed game's input as an input script: the seed, then every key change as the game
// was shown it at the start of a pass, every change of the mouse pixel, and close requests, each
// stamped with its pass. Replayed headless, the script reproduces the game pass for pass.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>

namespace gloam::platform {

class InputRecorder {
 public:
  // Opens the file and writes the seed line; false if the file cannot be written.
  bool open(const std::string& path, std::uint32_t seed);
  bool isOpen() const { return out_.is_open(); }
  // Whether a write failed, so that the recording ended before the game did.
  bool cutShort() const { return !path_.empty() && !isOpen(); }

  void keyChange(int frame, int virtualKey, bool down);
  // Writes the pixel only when it differs from the last one written.
  void mousePixel(int frame, int x, int y);
  void closeRequest(int frame);
  // Puts what a pass recorded on disk, so a recording survives a crash and can be watched live.
  // A write that fails (a full disk) is said on stderr, once, and ends the recording; the game
  // goes on.
  void flush();

 private:
  // Starts a line of the pass `frame`.
  std::ostream& line(int frame);

  std::ofstream out_;
  std::string path_;   // set once the file is open
  int lastFrame_ = 0;  // the pass of the newest line
  bool unflushed_ = false;
  int mouseX_ = -1;
  int mouseY_ = -1;
};

}  // namespace gloam::platform
