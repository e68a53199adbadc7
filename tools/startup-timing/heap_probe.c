/* Preloaded into a program (LD_PRELOAD), reports on standard error, once
   HEAP_PROBE_AFTER_MS milliseconds after the program started (default
   5000), how much memory it uses:
       heap-in-use <bytes> resident <bytes>
   heap in use is what malloc has handed out and not had back (small blocks
   and mapped ones), resident is what the kernel counts for the process. */
#define _GNU_SOURCE
#include <malloc.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long residentBytes(void)
{
    FILE* status = fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long long kb = -1;
    while (fgets(line, sizeof line, status))
        if (strncmp(line, "VmRSS:", 6) == 0) kb = atoll(line + 6);
    fclose(status);
    return kb < 0 ? -1 : kb * 1024;
}

static void* report(void* unused)
{
    (void)unused;
    const char* after = getenv("HEAP_PROBE_AFTER_MS");
    const long ms = after ? atol(after) : 5000;
    const struct timespec wait = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&wait, NULL);
    const struct mallinfo2 info = mallinfo2();
    fprintf(stderr, "heap-in-use %zu resident %lld\n", info.uordblks + info.hblkhd, residentBytes());
    fflush(stderr);
    return NULL;
}

__attribute__((constructor)) static void start(void)
{
    pthread_t thread;
    if (pthread_create(&thread, NULL, report, NULL) == 0) pthread_detach(thread);
}
