// formatText: printf-style formatting into the shared TextBuffer, never past its 256 bytes.
#include <cstdarg>
#include <cstdio>

#include "draw/text.hpp"

namespace gloam::draw {

int formatText(TextBuffer& buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(buffer.text, TextBufferSize, format, args);
  va_end(args);
  if (written < 0) buffer.text[0] = '\0';
  return written < 0 ? -1 : written;
}

}  // namespace gloam::draw
