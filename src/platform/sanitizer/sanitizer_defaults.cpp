// Defaults for the sanitizers, read only by sanitized builds. Mesa and SDL keep a few allocations
// for the life of the process (dispatch tables, driver names); they show up as leaks once the
// driver is unloaded. Our own allocations never have these libraries on their stack. The slow
// unwinder follows stacks through the driver's frames, so the suppressions can match.
extern "C" {

__attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
  return "leak:libGLdispatch\nleak:libSDL2\nleak:libEGL_mesa\nleak:libGLX_mesa\n";
}

__attribute__((visibility("default"), used)) const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}

}  // extern "C"
