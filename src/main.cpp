// The brambleton executable: everything lives in the game library.
#include <malloc.h>

#include "app/app.h"

int main(int argc, char** argv) {
    // Pictures are decoded and let go as screens come and go. Blocks of their size get mappings
    // of their own, which go back to the system when freed; glibc would otherwise raise this
    // threshold after such frees and keep the next pictures in a heap that never shrinks
    // (a played level's peak: 62-63 MiB instead of 59).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    return RunGame(argc, argv);
}
