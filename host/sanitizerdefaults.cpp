// Sanitizer builds only: Qt 6.4's FFmpeg media plug-in never frees the
// option dictionary it opens each decoder with (a few dozen bytes per file).
// libav has no frame pointers, so the leak's stack reaches the plug-in only
// with the slow unwinder. The runtime finds these only when exported.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" __attribute__((visibility("default"), used)) const char *__lsan_default_suppressions()
{
    return "leak:libffmpegmediaplugin.so\n";
}
