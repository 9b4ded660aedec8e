// A device painting a PNG image sets up Qt's fonts, whose fontconfig caches
// the host keeps for the rest of the process: no leak of the module's.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif
