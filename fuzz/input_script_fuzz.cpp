// Fuzzes the input script parser with arbitrary text. An accepted script must hold only events
// the headless platform can apply, and writing it back out must parse to the same script; a
// refused one must name its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/input_script.hpp"

namespace {

using gloam::platform::InputScript;
using gloam::platform::ScriptEvent;

constexpr int MaxCoordinate = 1 << 20;  // the parser's bound on mouse positions

void require(bool condition) {
  if (!condition) std::abort();
}

bool inRange(int value, int lo, int hi) { return value >= lo && value <= hi; }

void checkEvents(const InputScript& script) {
  int lastFrame = 0;
  for (const ScriptEvent& e : script.events) {
    require(e.frame >= lastFrame);
    lastFrame = e.frame;
    switch (e.kind) {
      case ScriptEvent::Kind::Down:
      case ScriptEvent::Kind::Up: require(inRange(e.a, 1, 255)); break;
      case ScriptEvent::Kind::Mouse:
        require(inRange(e.a, -MaxCoordinate, MaxCoordinate) && inRange(e.b, -MaxCoordinate, MaxCoordinate));
        break;
      case ScriptEvent::Kind::Close: break;
      default: require(false);
    }
  }
}

std::string writeScript(const InputScript& script) {
  std::string text;
  if (script.seed) text += "seed " + std::to_string(*script.seed) + "\n";
  for (const ScriptEvent& e : script.events) {
    text += std::to_string(e.frame);
    switch (e.kind) {
      case ScriptEvent::Kind::Down: text += " down " + std::to_string(e.a); break;
      case ScriptEvent::Kind::Up: text += " up " + std::to_string(e.a); break;
      case ScriptEvent::Kind::Mouse: text += " mouse " + std::to_string(e.a) + " " + std::to_string(e.b); break;
      case ScriptEvent::Kind::Close: text += " close"; break;
    }
    text += "\n";
  }
  return text;
}

bool sameScript(const InputScript& x, const InputScript& y) {
  if (x.seed != y.seed || x.events.size() != y.events.size()) return false;
  for (std::size_t i = 0; i < x.events.size(); ++i) {
    const ScriptEvent& a = x.events[i];
    const ScriptEvent& b = y.events[i];
    if (a.frame != b.frame || a.kind != b.kind || a.a != b.a || a.b != b.b) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  InputScript script;
  std::string error;
  if (!gloam::platform::parseInputScript(text, "fuzz", script, error)) {
    require(error.rfind("fuzz:", 0) == 0);
    require(error.size() > 5 && error[5] >= '1' && error[5] <= '9');
    return 0;
  }
  checkEvents(script);
  InputScript again;
  std::string againError;
  require(gloam::platform::parseInputScript(writeScript(script), "again", again, againError));
  require(sameScript(script, again));
  return 0;
}
