#pragma once
// Writing a recording as the game goes, and reading one back whole: the
// reader checks every chunk and every record before anything is replayed,
// so a damaged file is refused at once and a file cut short is known to be
// one, with the last whole frame it reaches.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runs/byte_codec.h"
#include "runs/recording_format.h"

namespace recording {

class RecordingWriter {
public:
    // Milliseconds of some steady clock; the writer flushes by it.
    using SteadyClock = std::function<int64_t()>;
    static constexpr int64_t kFlushIntervalMs = 500;
    static constexpr std::size_t kFlushBytes = 256 * 1024;

    // Creates (or replaces) the file; throws std::runtime_error with a
    // one-line reason when it cannot.
    explicit RecordingWriter(const std::string& path, SteadyClock clock = {});
    ~RecordingWriter();
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    void add(RecordType type, std::span<const uint8_t> payload);
    void add(RecordType type, ByteWriter& payload) { add(type, std::span<const uint8_t>(payload.bytes())); }
    // Writes the records gathered so far as one chunk.
    void flush();
    // Closes a recording of a game that ended in order.
    void finish();

    // Why recording stopped (a full disk, say); empty while it goes on. The
    // game is never stopped for it: what was written stays replayable.
    const std::string& error() const { return error_; }

private:
    void fail(const std::string& what);

    std::string path_;
    std::FILE* file_ = nullptr;
    SteadyClock clock_;
    std::vector<uint8_t> pending_;
    int64_t lastFlush_ = 0;
    std::string error_;
};

// Walks the records of whole chunks.
class RecordCursor {
public:
    explicit RecordCursor(std::span<const uint8_t> records) : records_(records) {}
    // False at the end, or when the next record is not whole (then ok() is false).
    bool next(RecordType& type, std::span<const uint8_t>& payload);
    bool ok() const { return ok_; }
    std::size_t position() const { return at_; }

private:
    std::span<const uint8_t> records_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

struct Recording {
    // Every record of every whole chunk, in order.
    std::vector<uint8_t> records;
    // A replay stops here: the end of the records when the game ended in
    // order, else just after the last whole frame.
    std::size_t replayEnd = 0;
    // Frames up to replayEnd.
    uint64_t frames = 0;
    // The game ended in order and every chunk is whole.
    bool complete = false;
    // For a recording that ends early: where and how, in one phrase.
    std::string cutShort;
};

struct ReadOutcome {
    std::optional<Recording> recording;
    // Why the file cannot be replayed at all: not a recording, another
    // format version, damaged, unreadable. One line.
    std::string error;
};

ReadOutcome ReadRecording(std::span<const uint8_t> bytes);
ReadOutcome ReadRecordingFile(const std::string& path);

}  // namespace recording
