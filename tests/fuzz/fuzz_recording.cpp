// Arbitrary bytes as an input recording (--replay): parsing must never crash, what it keeps is in
// frame order, and the text it formats parses back to the same events.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "devtools/input_recording.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<RecordedEvent> events;
    std::string error;
    if (!ParseRecording(text, events, error)) return 0;
    std::vector<RecordedEvent> again;
    Check(ParseRecording(FormatRecording(events), again, error));
    Check(again.size() == events.size());
    for (size_t i = 0; i < events.size(); ++i) Check(again[i].frame == events[i].frame);
    return 0;
}
