// Input scripts: one event a line, `FRAME down VK`, `FRAME up VK`, `FRAME mouse X Y`,
// `FRAME close`, `seed N`, and `#` comments. Frames never go backwards.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gloam::platform {

struct ScriptEvent {
  enum class Kind { Down, Up, Mouse, Close };
  int frame = 0;
  Kind kind = Kind::Down;
  int a = 0;  // virtual key, or mouse x
  int b = 0;  // mouse y
};

struct InputScript {
  std::vector<ScriptEvent> events;    // in frame order
  std::optional<std::uint32_t> seed;  // from a `seed N` line, as written by a recording
};

// Parses the text of a script. On a bad line returns false and sets `error` to
// "<name>:<line>: <what is wrong>".
bool parseInputScript(const std::string& text, const std::string& name, InputScript& out, std::string& error);

// Reads and parses a file; an unreadable file is an error too.
bool loadInputScript(const std::string& path, InputScript& out, std::string& error);

}  // namespace gloam::platform
