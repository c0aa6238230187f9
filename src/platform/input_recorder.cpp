#include "platform/input_recorder.hpp"

#include <cstdio>

namespace gloam::platform {

bool InputRecorder::open(const std::string& path, std::uint32_t seed) {
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) return false;
  path_ = path;
  out_ << "# recorded input: replay with gloamdelve --headless --input " << path << "\n";
  out_ << "seed " << seed << "\n";
  out_.flush();
  return static_cast<bool>(out_);
}

std::ostream& InputRecorder::line(int frame) {
  lastFrame_ = frame;
  unflushed_ = true;
  return out_ << frame;
}

void InputRecorder::keyChange(int frame, int virtualKey, bool down) {
  if (!isOpen()) return;
  line(frame) << (down ? " down " : " up ") << virtualKey << "\n";
}

void InputRecorder::mousePixel(int frame, int x, int y) {
  if (!isOpen() || (x == mouseX_ && y == mouseY_)) return;
  mouseX_ = x;
  mouseY_ = y;
  line(frame) << " mouse " << x << " " << y << "\n";
}

void InputRecorder::closeRequest(int frame) {
  if (!isOpen()) return;
  line(frame) << " close\n";
  flush();
}

void InputRecorder::flush() {
  if (!unflushed_) return;
  out_.flush();
  unflushed_ = false;
  if (out_) return;
  std::fprintf(stderr, "gloamdelve: cannot write %s: the recording ends at pass %d, the game goes on\n", path_.c_str(),
               lastFrame_);
  out_.close();
}

}  // namespace gloam::platform
