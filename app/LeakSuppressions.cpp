// Built into the sanitizer build only. Libraries that Qt loads keep one-time allocations for
// the life of the process (the D-Bus connection to the desktop, the font cache); LeakSanitizer
// reports them at exit. They are suppressed by library name, so a leak in Duelmark's own
// code still fails.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n"
         "leak:libfontconfig.so\n";
}
