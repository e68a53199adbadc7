#include "runs/recording_file.h"

#include <zlib.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "platform/system/utf8_path.h"

namespace recording {
namespace {

int64_t SteadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// The CRC-32 of zip and PNG: tells a damaged chunk from a whole one.
uint32_t Crc32(std::span<const uint8_t> data)
{
    return static_cast<uint32_t>(crc32_z(0, data.data(), data.size()));
}

std::string Plural(uint64_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

RecordingWriter::RecordingWriter(const std::string& path, SteadyClock clock)
    : path_(path), clock_(clock ? std::move(clock) : SteadyClock(SteadyMs))
{
    file_ = platform::openFile(path, "wb");
    if (!file_) throw std::runtime_error("cannot create the recording \"" + path + "\": " + std::strerror(errno));
    std::vector<uint8_t> header(kMagic, kMagic + sizeof kMagic);
    PutU32(header, kFormatVersion);
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size() || std::fflush(file_) != 0) {
        const std::string reason = std::strerror(errno);
        std::fclose(file_);
        file_ = nullptr;
        throw std::runtime_error("cannot write the recording \"" + path + "\": " + reason);
    }
    lastFlush_ = clock_();
}

RecordingWriter::~RecordingWriter()
{
    flush();
    if (file_) std::fclose(file_);
}

void RecordingWriter::add(RecordType type, std::span<const uint8_t> payload)
{
    if (!file_) return;
    pending_.push_back(static_cast<uint8_t>(type));
    ByteWriter length;
    length.varint(payload.size());
    pending_.insert(pending_.end(), length.bytes().begin(), length.bytes().end());
    pending_.insert(pending_.end(), payload.begin(), payload.end());
    if (pending_.size() >= kFlushBytes || clock_() - lastFlush_ >= kFlushIntervalMs) flush();
}

void RecordingWriter::flush()
{
    lastFlush_ = clock_();
    if (!file_ || pending_.empty()) return;
    std::vector<uint8_t> head;
    PutU32(head, static_cast<uint32_t>(pending_.size()));
    PutU32(head, Crc32(pending_));
    const bool written = std::fwrite(head.data(), 1, head.size(), file_) == head.size() &&
                         std::fwrite(pending_.data(), 1, pending_.size(), file_) == pending_.size() &&
                         std::fflush(file_) == 0;
    pending_.clear();
    if (!written) fail(std::strerror(errno));
}

void RecordingWriter::finish()
{
    add(RecordType::End, {});
    flush();
    if (file_ && std::fclose(file_) != 0) error_ = std::string("cannot close the recording: ") + std::strerror(errno);
    file_ = nullptr;
}

void RecordingWriter::fail(const std::string& what)
{
    error_ = "recording stopped, \"" + path_ + "\" cannot be written: " + what;
    std::fclose(file_);
    file_ = nullptr;
}

bool RecordCursor::next(RecordType& type, std::span<const uint8_t>& payload)
{
    if (at_ >= records_.size()) return false;
    ByteReader in(records_.subspan(at_));
    uint8_t t = 0;
    uint64_t length = 0;
    std::span<const uint8_t> bytes;
    if (!in.u8(t) || t == 0 || t > kLastRecordType || !in.varint(length) || length > in.remaining() ||
        !in.raw(bytes, static_cast<std::size_t>(length))) {
        ok_ = false;
        return false;
    }
    type = static_cast<RecordType>(t);
    payload = bytes;
    at_ += in.position();
    return true;
}

ReadOutcome ReadRecording(std::span<const uint8_t> bytes)
{
    ReadOutcome outcome;
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        outcome.error = "not a Brindlecog recording";
        return outcome;
    }
    ByteReader head(bytes.subspan(sizeof kMagic));
    uint32_t version = 0;
    if (!head.u32(version)) {
        outcome.error = "not a Brindlecog recording (its header is cut short)";
        return outcome;
    }
    if (version != kFormatVersion) {
        outcome.error = "made by an incompatible version of Brindlecog (recording format " + std::to_string(version) +
                        ", this game reads format " + std::to_string(kFormatVersion) + ")";
        return outcome;
    }

    Recording rec;
    std::size_t at = kHeaderSize;
    bool partialChunk = false;
    uint64_t chunkNumber = 0;
    while (at < bytes.size()) {
        ++chunkNumber;
        ByteReader chunk(bytes.subspan(at));
        uint32_t length = 0, crc = 0;
        std::span<const uint8_t> payload;
        if (!chunk.u32(length) || !chunk.u32(crc)) {
            partialChunk = true;
            break;
        }
        if (length == 0 || length > kMaxChunk) {
            outcome.error = "damaged: chunk " + std::to_string(chunkNumber) + " at byte " + std::to_string(at) +
                            " has an impossible length";
            return outcome;
        }
        if (!chunk.raw(payload, length)) {
            partialChunk = true;
            break;
        }
        if (Crc32(payload) != crc) {
            outcome.error = "damaged: chunk " + std::to_string(chunkNumber) + " at byte " + std::to_string(at) +
                            " fails its checksum";
            return outcome;
        }
        // Each chunk holds whole records.
        RecordCursor cursor(payload);
        RecordType type{};
        std::span<const uint8_t> record;
        while (cursor.next(type, record)) {
            if (!ValidPayload(type, record)) {
                outcome.error = std::string("damaged: ") + DescribeRecord(type) + " in chunk " +
                                std::to_string(chunkNumber) + " cannot be read";
                return outcome;
            }
        }
        if (!cursor.ok()) {
            outcome.error = "damaged: chunk " + std::to_string(chunkNumber) + " holds a broken record";
            return outcome;
        }
        rec.records.insert(rec.records.end(), payload.begin(), payload.end());
        at += kChunkHeaderSize + length;
    }

    // Where the frames and the end are.
    RecordCursor cursor(rec.records);
    RecordType type{};
    std::size_t afterLastFrame = 0;
    uint64_t frames = 0;
    bool ended = false;
    std::span<const uint8_t> payload;
    while (cursor.next(type, payload)) {
        if (ended) {
            outcome.error = "damaged: records follow the end of the game";
            return outcome;
        }
        if (type == RecordType::Frame) {
            ++frames;
            afterLastFrame = cursor.position();
        } else if (type == RecordType::End) {
            ended = true;
        }
    }
    rec.complete = ended && !partialChunk;
    if (rec.complete) {
        rec.replayEnd = rec.records.size();
        rec.frames = frames;
    } else {
        rec.replayEnd = afterLastFrame;
        RecordCursor count(std::span(rec.records).first(afterLastFrame));
        while (count.next(type, payload)) rec.frames += type == RecordType::Frame;
        rec.cutShort = "the recording ends early, after " + Plural(rec.frames, "whole frame", "whole frames") +
                       (partialChunk ? " (the file is cut off at byte " + std::to_string(bytes.size()) + ")"
                                     : " (the recorded game was stopped before it ended)");
    }
    outcome.recording = std::move(rec);
    return outcome;
}

ReadOutcome ReadRecordingFile(const std::string& path)
{
    std::ifstream in(platform::utf8Path(path), std::ios::binary);
    if (!in) {
        ReadOutcome outcome;
        outcome.error = "cannot open \"" + path + "\": " + std::strerror(errno);
        return outcome;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        ReadOutcome outcome;
        outcome.error = "cannot read \"" + path + "\"";
        return outcome;
    }
    return ReadRecording(bytes);
}

}  // namespace recording
