// State kept per thread (a step budget, a file cache): the desktop computes on a thread of its
// own beside the window's. The web module has one thread, and its linker places thread-local
// storage only in a module with shared memory once bulk memory is on, so there it is a plain
// variable.
#pragma once

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define QIMBEL_PER_THREAD
#else
#define QIMBEL_PER_THREAD thread_local
#endif
