// The driver is found among the loaded objects by name and opened again with RTLD_NODELETE, which
// pins an object that is already loaded without loading anything new.
#include "platform/sdl/driver_pin.hpp"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace gloam::platform {
#if defined(__SANITIZE_ADDRESS__)
namespace {

bool isGlDriver(const char* path) {
  return std::strstr(path, "_dri.so") || std::strstr(path, "libEGL_mesa") || std::strstr(path, "libGLX_mesa") ||
         std::strstr(path, "libgallium") || std::strstr(path, "libLLVM");
}

int pinIfDriver(dl_phdr_info* info, size_t, void*) {
  if (info->dlpi_name && info->dlpi_name[0] && isGlDriver(info->dlpi_name))
    dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);  // the extra reference is never dropped
  return 0;
}

}  // namespace

void pinGlDriverForLeakChecks() { dl_iterate_phdr(pinIfDriver, nullptr); }
#else
void pinGlDriverForLeakChecks() {}
#endif

}  // namespace gloam::platform
