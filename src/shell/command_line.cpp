// Options are a table: each names the field it fills and how its value is read, so adding one is
// one line. Values must be complete numbers in range; "12abc" is an error, not 12.
#include "shell/command_line.hpp"

#include <charconv>
#include <cstring>
#include <functional>
#include <string_view>

namespace gloam::shell {
namespace {

bool parseWhole(std::string_view text, long long lo, long long hi, long long& out) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return !text.empty() && ec == std::errc() && ptr == text.data() + text.size() && out >= lo && out <= hi;
}

using ValueSetter = std::function<bool(CommandLineOptions&, std::string_view)>;

struct OptionSpec {
  const char* name;
  const char* valueName;  // null: a flag without a value
  const char* help;
  ValueSetter set;
};

bool setText(std::string& field, std::string_view v) {
  field = std::string(v);
  return !v.empty();
}

const OptionSpec Options[] = {
    {"--seed", "N", "seed the random generator with N (0..4294967295) instead of the time",
     [](CommandLineOptions& o, std::string_view v) {
       long long n = 0;
       if (!parseWhole(v, 0, 4294967295LL, n)) return false;
       o.seed = static_cast<std::uint32_t>(n);
       return true;
     }},
    {"--data", "DIR", "the folder holding bmp_*/ and map/ (default: the working directory, else the built data)",
     [](CommandLineOptions& o, std::string_view v) {
       o.dataDir = std::string(v);
       return !v.empty();
     }},
    {"--headless", nullptr, "run without a display, on an offscreen GL context",
     [](CommandLineOptions& o, std::string_view) { return o.headless = true; }},
    {"--frames", "N", "request quit after N passes of the main loop (0..2147483647)",
     [](CommandLineOptions& o, std::string_view v) { return parseWhole(v, 0, 2147483647LL, o.frames); }},
    {"--fps", "N", "passes of the main loop a second, 1..1000 (0: uncapped; default 60 in a window, uncapped headless)",
     [](CommandLineOptions& o, std::string_view v) {
       long long n = 0;
       if (!parseWhole(v, 0, 1000, n)) return false;
       o.fps = static_cast<int>(n);
       return true;
     }},
    {"--comfort", nullptr,
     "comfort mode: the map follows the mage, the console owns the keyboard and reports, no pauses (see README)",
     [](CommandLineOptions& o, std::string_view) { return o.comfort = true; }},
    {"--input", "FILE", "input script: 'FRAME down VK', 'FRAME up VK', 'FRAME mouse X Y', 'FRAME close'",
     [](CommandLineOptions& o, std::string_view v) { return setText(o.inputPath, v); }},
    {"--record", "FILE", "write the seed and every key and mouse change as an input script",
     [](CommandLineOptions& o, std::string_view v) { return setText(o.recordPath, v); }},
    {"--screenshot", "PATH", "after the last pass, write the last presented frame (.png or .bmp)",
     [](CommandLineOptions& o, std::string_view v) { return setText(o.screenshotPath, v); }},
    {"--dump-world", "PATH", "after the last pass, write the raw DungeonGrid (180 x 65536 bytes)",
     [](CommandLineOptions& o, std::string_view v) { return setText(o.dumpWorldPath, v); }},
    {"--state", "PATH", "after the last pass, write the game state as JSON",
     [](CommandLineOptions& o, std::string_view v) { return setText(o.statePath, v); }},
};

const OptionSpec* findOption(std::string_view name) {
  for (const OptionSpec& spec : Options)
    if (name == spec.name) return &spec;
  return nullptr;
}

}  // namespace

std::string usageText() {
  std::string text = "usage: gloamdelve [options]\n\noptions:\n";
  for (const OptionSpec& spec : Options) {
    std::string left = std::string("  ") + spec.name + (spec.valueName ? std::string(" ") + spec.valueName : "");
    left.resize(22, ' ');
    text += left + spec.help + "\n";
  }
  text += "  --help              show this help\n  --version           show the version\n";
  text +=
      "\nGame time is counted in passes. At the default 60 passes a second the speed keys 1, 2 and 3\n"
      "give a step every 1/6, 1/2 and 1 s; --fps 30 halves every speed.\n"
      "\nOutput paths are checked before the game starts (exit status 2). Files are written whole under a\n"
      "temporary name and renamed, so a failed write (exit status 1) leaves the old file as it was.\n"
      "A --record file that cannot be written to the end is cut short there (exit status 1).\n";
  return text;
}

int effectiveFps(const CommandLineOptions& options) {
  constexpr int WindowedDefaultFps = 60;
  if (options.fps) return *options.fps;
  return options.headless ? 0 : WindowedDefaultFps;
}

ParseOutcome parseCommandLine(int argc, const char* const* argv, CommandLineOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") return ParseOutcome::Help;
    if (arg == "--version") return ParseOutcome::Version;
    const OptionSpec* spec = findOption(arg);
    if (!spec) {
      error = "unknown option '" + std::string(arg) + "'";
      return ParseOutcome::Error;
    }
    std::string_view value;
    if (spec->valueName) {
      if (i + 1 >= argc) {
        error = std::string(spec->name) + " needs a value (" + spec->valueName + ")";
        return ParseOutcome::Error;
      }
      value = argv[++i];
    }
    if (!spec->set(options, value)) {
      error = "bad value '" + std::string(value) + "' for " + spec->name;
      return ParseOutcome::Error;
    }
  }
  return ParseOutcome::Run;
}

}  // namespace gloam::shell
