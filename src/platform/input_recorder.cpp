#include "platform/input_recorder.hpp"

namespace gloam::platform {

bool InputRecorder::open(const std::string& path, std::uint32_t seed) {
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) return false;
  out_ << "# recorded input: replay with gloamdelve --headless --input " << path << "\n";
  out_ << "seed " << seed << "\n";
  out_.flush();
  return static_cast<bool>(out_);
}

void InputRecorder::keyChange(int frame, int virtualKey, bool down) {
  if (!isOpen()) return;
  out_ << frame << (down ? " down " : " up ") << virtualKey << "\n";
  unflushed_ = true;
}

void InputRecorder::mousePixel(int frame, int x, int y) {
  if (!isOpen() || (x == mouseX_ && y == mouseY_)) return;
  mouseX_ = x;
  mouseY_ = y;
  out_ << frame << " mouse " << x << " " << y << "\n";
  unflushed_ = true;
}

void InputRecorder::closeRequest(int frame) {
  if (!isOpen()) return;
  out_ << frame << " close\n";
  unflushed_ = true;
  flush();
}

void InputRecorder::flush() {
  if (!unflushed_) return;
  out_.flush();
  unflushed_ = false;
}

}  // namespace gloam::platform
