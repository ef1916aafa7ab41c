// Built into the programs that start GTK, in the sanitizer build only.
// Fontconfig, which GTK uses to find fonts, keeps its configuration and
// font cache for the whole life of the process and never frees them;
// LeakSanitizer would report about a thousand such blocks at every exit.
// Only leaks allocated inside fontconfig are left out: everything else,
// the project's own code and GTK's, is still checked.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
