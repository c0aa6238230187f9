// The script parser is strict: every number must be a whole decimal in range and every line must
// be complete, so a typo in a test script is reported at its line instead of being half-applied.
#include "platform/input_script.hpp"

#include <charconv>
#include <fstream>
#include <sstream>

namespace gloam::platform {
namespace {

constexpr int MaxCoordinate = 1 << 20;

bool parseInt(const std::string& word, long long lo, long long hi, long long& out) {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last && out >= lo && out <= hi;
}

std::vector<std::string> splitWords(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Parses the words of one event line; returns an empty string on success, else the complaint.
std::string parseEvent(const std::vector<std::string>& w, int lastFrame, ScriptEvent& e) {
  long long frame = 0, a = 0, b = 0;
  if (!parseInt(w[0], 0, 2147483647, frame)) return "bad frame number '" + w[0] + "'";
  if (frame < lastFrame) return "frame " + w[0] + " comes before the previous event's frame";
  e.frame = static_cast<int>(frame);
  if (w.size() < 2) return "missing event after the frame number";
  const std::string& verb = w[1];
  if (verb == "down" || verb == "up") {
    if (w.size() != 3) return "expected '" + verb + " VK'";
    if (!parseInt(w[2], 1, 255, a)) return "bad virtual-key code '" + w[2] + "' (1..255)";
    e.kind = verb == "down" ? ScriptEvent::Kind::Down : ScriptEvent::Kind::Up;
    e.a = static_cast<int>(a);
  } else if (verb == "mouse") {
    if (w.size() != 4) return "expected 'mouse X Y'";
    if (!parseInt(w[2], -MaxCoordinate, MaxCoordinate, a) || !parseInt(w[3], -MaxCoordinate, MaxCoordinate, b))
      return "bad mouse position";
    e.kind = ScriptEvent::Kind::Mouse;
    e.a = static_cast<int>(a);
    e.b = static_cast<int>(b);
  } else if (verb == "close") {
    if (w.size() != 2) return "expected nothing after 'close'";
    e.kind = ScriptEvent::Kind::Close;
  } else {
    return "unknown event '" + verb + "' (down, up, mouse, close)";
  }
  return {};
}

}  // namespace

bool parseInputScript(const std::string& text, const std::string& name, InputScript& out, std::string& error) {
  std::istringstream in(text);
  std::string line;
  int lineNumber = 0;
  int lastFrame = 0;
  out = InputScript{};
  while (std::getline(in, line)) {
    ++lineNumber;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const std::vector<std::string> words = splitWords(line);
    if (words.empty()) continue;
    std::string complaint;
    if (words[0] == "seed") {
      long long seed = 0;
      if (words.size() != 2 || !parseInt(words[1], 0, 4294967295LL, seed))
        complaint = "expected 'seed N' with N in 0..4294967295";
      else
        out.seed = static_cast<std::uint32_t>(seed);
    } else {
      ScriptEvent e;
      complaint = parseEvent(words, lastFrame, e);
      if (complaint.empty()) {
        out.events.push_back(e);
        lastFrame = e.frame;
      }
    }
    if (!complaint.empty()) {
      error = name;
      error.append(":").append(std::to_string(lineNumber)).append(": ").append(complaint);
      return false;
    }
  }
  return true;
}

bool loadInputScript(const std::string& path, InputScript& out, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = path + ": cannot read the input script";
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return parseInputScript(text.str(), path, out, error);
}

}  // namespace gloam::platform
