// Any bytes as a recording: the reader either refuses them with a reason or
// reads them whole, and then every record it passed reads back, every raw
// input change applies to the state it follows, and the replay's end lies
// within the records.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "runs/raw_input_codec.h"
#include "runs/recording_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read = recording::ReadRecording(std::span(data, size));
    if (!read.recording) {
        if (read.error.empty()) std::abort();  // refused without a reason
        return 0;
    }
    const recording::Recording& rec = *read.recording;
    if (rec.replayEnd > rec.records.size()) std::abort();
    if (!rec.complete && rec.cutShort.empty()) std::abort();

    platform::RawInput input;
    std::vector<uint8_t> state = recording::EncodeRawInput(input);
    recording::RecordCursor cursor(rec.records);
    recording::RecordType type{};
    std::span<const uint8_t> payload;
    uint64_t frames = 0;
    while (cursor.next(type, payload)) {
        if (!recording::ValidPayload(type, payload)) std::abort();  // the reader let it through
        if (type == recording::RecordType::Frame && cursor.position() <= rec.replayEnd) ++frames;
        if (type != recording::RecordType::Input) continue;
        // A change that does not fit ends a replay; it must never go wrong.
        if (recording::ApplyDiff(payload, state) && recording::DecodeRawInput(state, input))
            state = recording::EncodeRawInput(input);
        else
            state = recording::EncodeRawInput(platform::RawInput{});
    }
    if (!cursor.ok() || frames != rec.frames) std::abort();
    return 0;
}
