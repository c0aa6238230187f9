// The recorder keeps the last state it wrote, so a held key is one `down` line and one `up`.
#include "platform/sdl/input_recorder.hpp"

namespace gloam::platform {

const int RecordedKeys[] = {
    1,  2,  4,  8,  9,  13, 16, 27, 32, 37, 38, 39, 40, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57,  65,  66,  67,
    68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 107, 109, 112,
    113, 114, 115, 116, 117, 123,
};
const int RecordedKeyCount = static_cast<int>(sizeof RecordedKeys / sizeof RecordedKeys[0]);

bool InputRecorder::open(const std::string& path, std::uint32_t seed) {
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_) return false;
  out_ << "# recorded input: replay with gloamdelve --headless --input " << path << "\n";
  out_ << "seed " << seed << "\n";
  return static_cast<bool>(out_);
}

void InputRecorder::keyState(int frame, int virtualKey, bool down) {
  if (!isOpen() || down_[virtualKey & 255] == down) return;
  down_[virtualKey & 255] = down;
  out_ << frame << (down ? " down " : " up ") << virtualKey << "\n";
}

void InputRecorder::mousePixel(int frame, int x, int y) {
  if (!isOpen() || (x == mouseX_ && y == mouseY_)) return;
  mouseX_ = x;
  mouseY_ = y;
  out_ << frame << " mouse " << x << " " << y << "\n";
}

}  // namespace gloam::platform
