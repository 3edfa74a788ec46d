// Pictures decoded ahead of time on one worker thread (GfxPrefetchImages), and the
// one way a picture file becomes pixels: from that cache, or decoded by the caller.
#pragma once

#include <string>
#include <vector>

#include "platform/image_codecs.h"

enum class ImageFileRead { Ok, Missing, Unreadable };

// Reads and decodes a PNG or JPEG file as it is (no masking); `error` says why when
// Unreadable. Safe on any thread: touches neither SDL nor shared state.
ImageFileRead DecodeImageFile(const std::string& path, DecodedImage& out, std::string& error);
// The file's size alone (its header), no pixels: all the null renderer keeps of a picture.
ImageFileRead ReadImageFileSize(const std::string& path, DecodedImage& out, std::string& error);

// The decoded file: the worker's pixels when it has them (waiting while it decodes this
// very file), else decoded here, the file then dropped from the worker's queue. The cache
// lets the entry go once taken.
ImageFileRead TakeImageFile(const std::string& path, DecodedImage& out, std::string& error);

// Where a file stands with the worker: never asked for (or taken since), queued or being
// decoded, or decoded and waiting to be taken.
enum class PrefetchState { Unasked, Pending, Done };
PrefetchState PrefetchStateOf(const std::string& path);

// Drops these files from the queue and the cache (waiting while the worker decodes one of them).
void ForgetPrefetchedFiles(const std::vector<std::string>& paths);

// Tests: a look at the worker, and a way to stop it before it decodes its next file.
struct PrefetchSnapshot {
    int queued = 0;
    int cached = 0;
    std::string decoding;  // the file the worker holds; empty when idle
};
PrefetchSnapshot PrefetchSnapshotForTest();
void PrefetchHoldForTest(bool hold);
