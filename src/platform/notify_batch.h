// Messages about one file gathered into one: a damaged catalogue with thousands of bad entries
// must not ask the player for thousands of clicks, nor fill the log.
#pragma once

#include <string>

// The lines a batch prints before it only counts; its box shows at most as many.
constexpr int SYS_NOTIFY_BATCH_LINES = 20;

// While a batch is open, SysNotify prints its first SYS_NOTIFY_BATCH_LINES messages and shows no
// box; closing the outermost batch prints how many more there were and shows one box (error when
// any message was serious) with the lines kept. Batches nest; `source` names the file.
void SysBeginNotifyBatch(const std::string& source);
void SysEndNotifyBatch();

// Message boxes shown so far, or that would have been in a run without a window (tests).
int SysNotifyBoxCount();

// A batch for the lifetime of the object.
class SysNotifyBatch {
public:
    explicit SysNotifyBatch(const std::string& source) { SysBeginNotifyBatch(source); }
    ~SysNotifyBatch() { SysEndNotifyBatch(); }
    SysNotifyBatch(const SysNotifyBatch&) = delete;
    SysNotifyBatch& operator=(const SysNotifyBatch&) = delete;
};
