// A recorded game replays headless to the line its recording run printed;
// a recording cut short replays to its last whole frame; a damaged one is
// refused; a game that goes another way than its recording is caught.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "runs/recording_file.h"
#include "support/scripted_shift.h"
#include "support/temp_dir.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The frames=N field of a digest line.
uint64_t FramesOf(const std::string& line) { return std::stoull(line.substr(line.find("frames=") + 7)); }

// One recorded game shared by the tests below: recording it takes a while.
class RecordedShift : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        store = new TempDir;
        GameFolder dir;
        ScriptedShift shift;
        const std::string file = store->file("shift.rec");
        shift.midway = [file] { std::filesystem::copy_file(file, store->file("killed.rec")); };
        const RecordedRun run = shift.record(file, dir);
        recordedLine = run.line;
        bytes = ReadBytes(file);
        killedBytes = ReadBytes(store->file("killed.rec"));
    }
    static void TearDownTestSuite() { delete store; }

    static ReplayedRun replay(std::span<const uint8_t> file)
    {
        const auto read = recording::ReadRecording(file);
        EXPECT_TRUE(read.recording) << read.error;
        if (!read.recording) return {};
        return ReplayGame(*read.recording, BRINDLECOG_GAME_DIR);
    }

    // Writes the shared recording again to `path`, record by record (so every
    // chunk is whole and its checksum right), as `change` puts each record's
    // payload; a record it returns false for is left out.
    using Change = std::function<bool(recording::RecordType, std::span<const uint8_t>, recording::ByteWriter&)>;
    static void rewrite(const std::string& path, const Change& change)
    {
        const auto read = recording::ReadRecording(bytes);
        ASSERT_TRUE(read.recording);
        recording::RecordingWriter writer(path);
        recording::RecordCursor cursor(read.recording->records);
        recording::RecordType type{};
        std::span<const uint8_t> payload;
        while (cursor.next(type, payload)) {
            if (type == recording::RecordType::End) continue;
            recording::ByteWriter out;
            if (change(type, payload, out)) writer.add(type, out);
        }
        writer.finish();
    }

    static TempDir* store;
    static std::string recordedLine;
    static std::vector<uint8_t> bytes;
    static std::vector<uint8_t> killedBytes;
};

TempDir* RecordedShift::store = nullptr;
std::string RecordedShift::recordedLine;
std::vector<uint8_t> RecordedShift::bytes;
std::vector<uint8_t> RecordedShift::killedBytes;

}  // namespace

TEST_F(RecordedShift, ReplaysToTheLineOfItsRecordingRun)
{
    EXPECT_NE(recordedLine.find("state=gsMenu level=0 total=0"), std::string::npos) << recordedLine;
    EXPECT_GT(FramesOf(recordedLine), 800u);
    const ReplayedRun run = replay(bytes);
    EXPECT_EQ(run.exitCode, 0) << run.note;
    EXPECT_EQ(run.line, recordedLine);
    EXPECT_TRUE(run.note.empty()) << run.note;
}

TEST_F(RecordedShift, AKilledRunLeavesWhatItFlushedReplayable)
{
    // What the file held 6 s into the game: flushed chunks, no end.
    const auto read = recording::ReadRecording(killedBytes);
    ASSERT_TRUE(read.recording) << read.error;
    EXPECT_FALSE(read.recording->complete);
    EXPECT_GT(read.recording->frames, 400u) << "flushed at least twice a second of play";
    const ReplayedRun run = ReplayGame(*read.recording, BRINDLECOG_GAME_DIR);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(FramesOf(run.line), read.recording->frames);
    EXPECT_NE(run.note.find("ends early, after " + std::to_string(read.recording->frames) + " whole frames"),
              std::string::npos)
        << run.note;
}

TEST_F(RecordedShift, AFileCutAnywhereReplaysToItsLastWholeFrame)
{
    // Cut inside the first chunk's header, in the middle, and one byte short.
    for (std::size_t cut : {std::size_t{14}, bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const auto read = recording::ReadRecording(std::span(bytes).first(cut));
        ASSERT_TRUE(read.recording) << read.error;
        EXPECT_FALSE(read.recording->complete);
        const ReplayedRun run = replay(std::span(bytes).first(cut));
        // The replay checks each frame's digest against the recording's
        // mark: exit 2, not 1, means every replayed frame matched.
        EXPECT_EQ(run.exitCode, 2) << run.note;
        EXPECT_EQ(FramesOf(run.line), read.recording->frames);
        EXPECT_NE(run.note.find("cut off at byte " + std::to_string(cut)), std::string::npos) << run.note;
    }
}

TEST_F(RecordedShift, DamagedOrForeignFilesAreRefusedAtOnce)
{
    auto flipped = bytes;
    flipped[recording::kHeaderSize + recording::kChunkHeaderSize + 5] ^= 0x40;
    auto error = recording::ReadRecording(flipped).error;
    EXPECT_NE(error.find("damaged: chunk"), std::string::npos) << error;
    EXPECT_NE(error.find("checksum"), std::string::npos) << error;

    auto newer = bytes;
    newer[8] = 2;
    error = recording::ReadRecording(newer).error;
    EXPECT_EQ(error, "made by an incompatible version of Brindlecog (recording format 2, this game reads format 1)");

    const std::string text = "[General]\nFullScreen=0\n";
    error = recording::ReadRecording(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())).error;
    EXPECT_EQ(error, "not a Brindlecog recording");

    // A chunk whose length field was hit: not mistaken for a file cut short.
    auto huge = bytes;
    huge[recording::kHeaderSize + 3] = 0x7F;
    error = recording::ReadRecording(huge).error;
    EXPECT_NE(error.find("impossible length"), std::string::npos) << error;
}

TEST_F(RecordedShift, AGameThatGoesAnotherWayIsCaughtAtTheFrameItDiffers)
{
    // The same recording, but its level holds one more product.
    TempDir dir;
    rewrite(dir.file("other.rec"), [](recording::RecordType type, std::span<const uint8_t> payload,
                                      recording::ByteWriter& out) {
        recording::RecordedFile file;
        recording::ByteReader in(payload);
        if (type == recording::RecordType::File && recording::GetFile(in, file) && file.name == "Levels/Level1.lev") {
            file.bytes = LevelBytes(LevelPlan{.speed = 2, .spacing = 0, .products = {"boat", "pizza", "car", "car"}});
            recording::PutFile(out, file);
        } else {
            out.raw(payload);
        }
        return true;
    });
    const ReplayedRun run = replay(ReadBytes(dir.file("other.rec")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.note.find("the game differs from the recording in frame"), std::string::npos) << run.note;
    EXPECT_LT(FramesOf(run.line), FramesOf(recordedLine));
}

TEST_F(RecordedShift, AGameThatLeavesItsRecordingWhileStartingEndsAtOnce)
{
    // The recording lacks the game's first question (asked while the game
    // is being set up, before any frame): the replay must stop there rather
    // than run on with made-up answers.
    TempDir dir;
    bool dropped = false;
    rewrite(dir.file("short.rec"), [&dropped](recording::RecordType type, std::span<const uint8_t> payload,
                                              recording::ByteWriter& out) {
        if (type != recording::RecordType::File && !dropped) return !(dropped = true);
        out.raw(payload);
        return true;
    });
    const ReplayedRun run = replay(ReadBytes(dir.file("short.rec")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.note.find("after frame 0"), std::string::npos) << run.note;
    EXPECT_EQ(FramesOf(run.line), 0u);
}
