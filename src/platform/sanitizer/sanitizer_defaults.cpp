// Defaults for the sanitizers, read only by sanitized builds. Mesa and SDL keep a few allocations
// for the life of the process (dispatch tables, driver names); they would show up as leaks if the
// driver were unloaded before the leak check, which is why sanitized builds keep it loaded (see
// sdl/driver_pin.cpp). These suppressions cover what is still reported through SDL or the GL
// dispatch; our own allocations never have these libraries on their stack.
extern "C" {

// The sanitizer runtime looks this function up by its reserved name.
__attribute__((visibility("default"), used)) const char*
__lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier)
  return "leak:libGLdispatch\nleak:libSDL2\nleak:libEGL_mesa\nleak:libGLX_mesa\nleak:_dri.so\nleak:libLLVM\n";
}

}  // extern "C"
