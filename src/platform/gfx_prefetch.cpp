// Pictures decoded on one worker thread while the main thread does other work, so that
// loading one of them later only wraps its pixels. The worker reads files and runs the
// codecs; it never touches SDL.
#include "platform/gfx_prefetch.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/load_counts.h"
#include "platform/platform_internal.h"

namespace {

struct DecodedFile {
    ImageFileRead result = ImageFileRead::Missing;
    DecodedImage image;
    std::string error;
};

class Prefetcher {
public:
    ~Prefetcher() { Stop(); }

    void Add(const std::vector<std::string>& paths) {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const std::string& path : paths) {
            const bool known = path == decoding_ || done_.count(path) != 0 ||
                               std::find(queue_.begin(), queue_.end(), path) != queue_.end();
            if (!known) {
                queue_.push_back(path);
            }
        }
        if (!worker_.joinable() && !queue_.empty()) {
            try {
                worker_ = std::thread([this] { Run(); });
            } catch (const std::system_error&) {
                queue_.clear();  // no thread to be had: every picture is decoded when loaded
            }
        }
        work_.notify_all();
    }

    ImageFileRead Take(const std::string& path, DecodedImage& out, std::string& error) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            const bool asked = decoding_ == path || done_.count(path) != 0 ||
                               std::find(queue_.begin(), queue_.end(), path) != queue_.end();
            finished_.wait(lock, [&] { return decoding_ != path; });
            const auto it = done_.find(path);
            if (it != done_.end()) {
                const ImageFileRead result = it->second.result;
                out = std::move(it->second.image);
                error = std::move(it->second.error);
                done_.erase(it);
                return result;
            }
            // Not reached yet: decoded here, and the worker need not do it again.
            queue_.erase(std::remove(queue_.begin(), queue_.end(), path), queue_.end());
            NoteGameThreadLoad(asked ? GameThreadLoad::PictureNotReady : GameThreadLoad::PictureUnasked);
        }
        return DecodeImageFile(path, out, error);
    }

    PrefetchState State(const std::string& path) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (done_.count(path) != 0) return PrefetchState::Done;
        const bool pending =
            decoding_ == path || std::find(queue_.begin(), queue_.end(), path) != queue_.end();
        return pending ? PrefetchState::Pending : PrefetchState::Unasked;
    }

    void Forget(const std::vector<std::string>& paths) {
        const auto listed = [&](const std::string& path) {
            return std::find(paths.begin(), paths.end(), path) != paths.end();
        };
        std::unique_lock<std::mutex> lock(mutex_);
        finished_.wait(lock, [&] { return decoding_.empty() || !listed(decoding_); });
        queue_.erase(std::remove_if(queue_.begin(), queue_.end(), listed), queue_.end());
        for (const std::string& path : paths) {
            done_.erase(path);
        }
    }

    void Stop() {
        std::thread worker;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            queue_.clear();
            worker = std::move(worker_);
        }
        work_.notify_all();
        if (worker.joinable()) {
            worker.join();  // at most the file it is decoding
        }
        std::lock_guard<std::mutex> lock(mutex_);
        done_.clear();
        stopping_ = false;
        held_ = false;
    }

    void Hold(bool hold) {
        std::lock_guard<std::mutex> lock(mutex_);
        held_ = hold;
        work_.notify_all();
    }

    PrefetchSnapshot Snapshot() {
        std::lock_guard<std::mutex> lock(mutex_);
        return {static_cast<int>(queue_.size()), static_cast<int>(done_.size()), decoding_};
    }

private:
    void Run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            work_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) {
                break;
            }
            decoding_ = queue_.front();
            queue_.pop_front();
            work_.wait(lock, [this] { return stopping_ || !held_; });
            if (stopping_) {
                break;
            }
            const std::string path = decoding_;
            lock.unlock();
            DecodedFile file;
            file.result = DecodeImageFile(path, file.image, file.error);
            lock.lock();
            done_[path] = std::move(file);
            decoding_.clear();
            finished_.notify_all();
        }
        decoding_.clear();
        finished_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable work_;      // the worker: a file queued, a hold lifted, a stop
    std::condition_variable finished_;  // takers: the worker let go of its file
    std::deque<std::string> queue_;
    std::string decoding_;
    std::unordered_map<std::string, DecodedFile> done_;
    std::thread worker_;
    bool stopping_ = false;
    bool held_ = false;
};

// Joined at exit too, should the program end without shutting the platform down.
Prefetcher& ThePrefetcher() {
    static Prefetcher prefetcher;
    return prefetcher;
}
}  // namespace

namespace {
ImageFileRead ReadImageFile(const std::string& path, DecodedImage& out, std::string& error, bool pixels) {
    std::string bytes;
    if (!FsReadAll(path, bytes)) {
        return ImageFileRead::Missing;
    }
    bool ok = false;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() >= 8 && std::memcmp(b, "\x89PNG", 4) == 0) {
        ok = pixels ? DecodePng(bytes, out, error) : ReadPngSize(bytes, out, error);
    } else if (bytes.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8) {
        ok = pixels ? DecodeJpeg(bytes, out, error) : ReadJpegSize(bytes, out, error);
    } else {
        error = "neither PNG nor JPEG";
    }
    return ok ? ImageFileRead::Ok : ImageFileRead::Unreadable;
}
}  // namespace

ImageFileRead DecodeImageFile(const std::string& path, DecodedImage& out, std::string& error) {
    return ReadImageFile(path, out, error, true);
}

ImageFileRead ReadImageFileSize(const std::string& path, DecodedImage& out, std::string& error) {
    return ReadImageFile(path, out, error, false);
}

ImageFileRead TakeImageFile(const std::string& path, DecodedImage& out, std::string& error) {
    return ThePrefetcher().Take(path, out, error);
}

void GfxPrefetchImages(const std::vector<std::string>& paths) {
    // The null renderer reads only sizes when a picture is loaded: nothing to decode ahead.
    if (PlatformConfigRef().renderer == RendererKind::Null) return;
    ThePrefetcher().Add(paths);
}

PrefetchState PrefetchStateOf(const std::string& path) { return ThePrefetcher().State(path); }

void GfxStopPrefetch() { ThePrefetcher().Stop(); }

void ForgetPrefetchedFiles(const std::vector<std::string>& paths) { ThePrefetcher().Forget(paths); }

PrefetchSnapshot PrefetchSnapshotForTest() { return ThePrefetcher().Snapshot(); }

void PrefetchHoldForTest(bool hold) { ThePrefetcher().Hold(hold); }
