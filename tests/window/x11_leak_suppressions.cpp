// Leak-check exceptions of the window tests: the system's message-bus library, which SDL's
// video start opens, keeps a buffer until the process ends and offers no way to free it while
// other code may still use it. Read by the leak checker of sanitizer builds; unused otherwise.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}
