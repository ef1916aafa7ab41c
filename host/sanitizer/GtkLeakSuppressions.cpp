// Built into the programs that start GTK, in the sanitizer build only.
// Fontconfig, which GTK uses to find fonts, keeps its configuration and
// font cache for the whole life of the process and never frees them;
// LeakSanitizer would report about a thousand such blocks at every exit.
// GTK's CUPS print backend loses the strings of a queue without a PPD
// when the person picks it (GTK 4.8), a leak inside that module alone.
// Only leaks allocated inside these two are left out: everything else,
// the project's own code and the rest of GTK, is still checked.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __asan_default_options();

// GLib and GTK are built without frame pointers: the quick unwinder stops
// at g_malloc, and a leak would not show which module it came from.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libprintbackend-cups.so\n";
}
