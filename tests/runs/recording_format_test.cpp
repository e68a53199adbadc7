// The pieces of the recording file: raw input states and their changes,
// bounded reading, safe file names, and when the writer flushes.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "runs/raw_input_codec.h"
#include "runs/recording_file.h"
#include "support/temp_dir.h"

namespace {

platform::RawJoystick Pad(int id)
{
    platform::RawJoystick pad;
    pad.instanceId = id;
    pad.name = "Pad " + std::to_string(id);
    pad.product = "Test pad";
    pad.gameController = id % 2 == 0;
    pad.numAxes = 2;
    pad.numButtons = 10;
    pad.axes[1] = -32768;
    pad.povs[0] = 9000;
    pad.buttons[3] = 0x80;
    return pad;
}

platform::RawInput RandomState(std::mt19937& random)
{
    platform::RawInput input;
    for (int i = 0; i < 6; ++i) input.keys[random() % 256] = 0x80;
    input.pressed[random() % 256] = 0x80;
    input.mouse.dx = static_cast<int>(random() % 2001) - 1000;
    input.mouse.dy = -static_cast<int>(random() % 50);
    input.mouse.wheel = 120;
    input.mouse.buttons[random() % 4] = 0x80;
    for (unsigned i = 0; i < random() % 3; ++i) input.joysticks.push_back(Pad(static_cast<int>(i)));
    return input;
}

}  // namespace

TEST(RawInputCodec, ChangesAppliedToTheOldStateGiveTheNewOne)
{
    std::mt19937 random(3);
    platform::RawInput state = RandomState(random);
    for (int round = 0; round < 200; ++round) {
        const platform::RawInput next = RandomState(random);
        const auto before = recording::EncodeRawInput(state);
        const auto after = recording::EncodeRawInput(next);
        const auto diff = recording::DiffBytes(before, after);
        auto bytes = before;
        ASSERT_TRUE(recording::ApplyDiff(diff, bytes));
        ASSERT_EQ(bytes, after) << "round " << round;
        platform::RawInput decoded;
        ASSERT_TRUE(recording::DecodeRawInput(bytes, decoded));
        EXPECT_EQ(decoded.keys, next.keys);
        EXPECT_EQ(decoded.mouse.dx, next.mouse.dx);
        ASSERT_EQ(decoded.joysticks.size(), next.joysticks.size());
        for (std::size_t j = 0; j < next.joysticks.size(); ++j) {
            EXPECT_EQ(decoded.joysticks[j].name, next.joysticks[j].name);
            EXPECT_EQ(decoded.joysticks[j].axes, next.joysticks[j].axes);
            EXPECT_EQ(decoded.joysticks[j].gameController, next.joysticks[j].gameController);
        }
        state = next;
    }
}

TEST(RawInputCodec, AMouseMoveCostsAFewBytes)
{
    platform::RawInput input;
    const auto before = recording::EncodeRawInput(input);
    input.mouse.dx = 3;
    input.mouse.dy = -2;
    EXPECT_LE(recording::DiffBytes(before, recording::EncodeRawInput(input)).size(), 12u);
}

TEST(RawInputCodec, BytesNoStateCouldHaveMadeAreRefused)
{
    platform::RawInput input;
    input.joysticks.push_back(Pad(1));
    const auto good = recording::EncodeRawInput(input);
    platform::RawInput out;
    EXPECT_FALSE(recording::DecodeRawInput(std::span(good).first(good.size() - 1), out));
    auto longer = good;
    longer.push_back(0);
    EXPECT_FALSE(recording::DecodeRawInput(longer, out));
    auto manyPads = good;
    manyPads[512 + 20] = 0xFF;  // the number of pads
    EXPECT_FALSE(recording::DecodeRawInput(manyPads, out));

    // A change that reaches past the state's end.
    auto bytes = good;
    const std::vector<uint8_t> pastTheEnd = {0, 0x80, 0x10, 4, 1, 2, 3, 4};
    EXPECT_FALSE(recording::ApplyDiff(pastTheEnd, bytes));
}

TEST(ByteReader, NeverReadsPastItsEnd)
{
    const std::vector<uint8_t> endless(11, 0xFF);
    recording::ByteReader varint(endless);
    uint64_t v = 0;
    EXPECT_FALSE(varint.varint(v));
    EXPECT_FALSE(varint.ok());

    recording::ByteWriter w;
    w.svarint(int64_t{1} << 40);
    w.text("a name that is too long");
    recording::ByteReader in(w.bytes());
    int32_t small = 0;
    EXPECT_FALSE(in.int32(small)) << "a number beyond 32 bits";
    recording::ByteReader text(std::span(w.bytes()).subspan(6));
    std::string s;
    EXPECT_FALSE(text.text(s, 5));

    recording::ByteWriter neg;
    neg.svarint(-1);
    neg.svarint(INT64_MIN);
    recording::ByteReader back(neg.bytes());
    int64_t a = 0, b = 0;
    EXPECT_TRUE(back.svarint(a) && back.svarint(b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, INT64_MIN);
}

TEST(RecordedFiles, NamesStayInsideTheGameFolder)
{
    for (const char* good : {"Brindlecog.ini", "Levels/Level12.lev"}) EXPECT_TRUE(recording::IsSafeRecordedName(good)) << good;
    for (const char* bad : {"", "/etc/passwd", "../Brindlecog.ini", "Levels/../../x", "Levels//Level1.lev", "Levels/",
                            "a\\b", "Levels/Level1.lev\n"})
        EXPECT_FALSE(recording::IsSafeRecordedName(bad)) << bad;

    recording::ByteWriter out;
    recording::PutFile(out, {"../outside", true, "x"});
    EXPECT_FALSE(recording::ValidPayload(recording::RecordType::File, out.bytes()));
}

TEST(RecordingWriter, FlushesTwiceASecondAndAtTheEnd)
{
    TempDir dir;
    int64_t now = 0;
    const std::string file = dir.file("r.rec");
    recording::RecordingWriter writer(file, [&now] { return now; });
    const auto size = [&] { return std::filesystem::file_size(file); };
    recording::ByteWriter frame;
    recording::PutFrame(frame, {1, 42});
    writer.add(recording::RecordType::Frame, frame);
    EXPECT_EQ(size(), recording::kHeaderSize) << "nothing due yet";
    now = 499;
    writer.add(recording::RecordType::Frame, frame);
    EXPECT_EQ(size(), recording::kHeaderSize);
    now = 500;
    writer.add(recording::RecordType::Frame, frame);
    EXPECT_GT(size(), recording::kHeaderSize);
    const auto afterFirst = size();
    writer.finish();
    EXPECT_GT(size(), afterFirst);

    const auto read = recording::ReadRecordingFile(file);
    ASSERT_TRUE(read.recording) << read.error;
    EXPECT_TRUE(read.recording->complete);
    EXPECT_EQ(read.recording->frames, 3u);
}

TEST(RecordingWriter, AFileThatCannotBeWrittenIsSaidInOneLine)
{
    try {
        recording::RecordingWriter writer("/nonexistent-folder/r.rec");
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot create the recording \"/nonexistent-folder/r.rec\": No such file or directory");
    }
}
