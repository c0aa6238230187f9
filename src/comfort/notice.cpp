// A message replaces any message before it; the hint comes back when the last one runs out.
#include "comfort/notice.hpp"

#include <cstdio>

namespace gloam::comfort {

void showNotice(Notice& notice, const char* message, int passes) {
  std::snprintf(notice.text.data(), notice.text.size(), "%s", message);
  notice.passesLeft = passes;
}

void countDownNotice(Notice& notice) {
  if (notice.passesLeft > 0) --notice.passesLeft;
}

const char* noticeLine(const Notice& notice) { return notice.passesLeft > 0 ? notice.text.data() : HintText; }

}  // namespace gloam::comfort
