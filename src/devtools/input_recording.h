// Recording input events by frame number, and playing them back. With a
// fixed-step clock and a seed, a replay reproduces a run frame for frame.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

struct RecordedEvent {
    long frame = 0;
    InputEvent event;
};

// Text form: a header line, then one line per event:
// "<frame> <kind> <x> <y> <code>".
std::string FormatRecording(const std::vector<RecordedEvent>& events);
// False with a reason when the text is not a recording; bad lines are skipped
// with a message.
bool ParseRecording(const std::string& text, std::vector<RecordedEvent>& events, std::string& error);

// Starts recording every applied input event; written to `path` at exit.
void StartRecording(const std::string& path);
// Feeds the recorded events at their frames and ignores real input. False
// when the file can't be read.
bool StartReplay(const std::string& path);
