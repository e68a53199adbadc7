#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "engine/sound/wav.h"
#include "platform/errors.h"
#include "wav_bytes.h"

using namespace wavbytes;

namespace {

const std::string kInvalid = "Error at reading Wave.\rInvalid Wave-format.";
const std::string kHeader = "Error at reading Wave.\rInvalid Wave-format(header).";
const std::string kNotPcm = "Error at reading Wave.\rWave format is not PCM.";

std::string loadError(const std::string& bytes)
{
    std::istringstream in(bytes);
    TWav wav;
    try {
        wav.LoadFromStream(in);
    } catch (const platform::Exception& e) {
        EXPECT_TRUE(wav.Empty());
        EXPECT_EQ(wav.DataSize(), 0);
        return e.what();
    }
    return "";
}

TWav load(const std::string& bytes)
{
    std::istringstream in(bytes);
    TWav wav;
    wav.LoadFromStream(in);
    return wav;
}

}  // namespace

TEST(Wav, LoadsFormatAndSamples)
{
    const TWav wav = load(wav16({1, -2, 300, -400}, 2, 22050));
    ASSERT_FALSE(wav.Empty());
    EXPECT_EQ(wav.FormatSize(), 16);
    EXPECT_EQ(wav.DataSize(), 8);
    EXPECT_EQ(wav.RiffSize(), 4 + 24 + 16);
    const auto f = wav.Format();
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.samplesPerSec, 22050u);
    EXPECT_EQ(f.blockAlign, 4);
    EXPECT_EQ(f.bitsPerSample, 16);
    EXPECT_EQ(f.extraSize, 0);  // the 16-byte record leaves it as allocated
    int16_t third;
    std::memcpy(&third, wav.Data() + 4, 2);
    EXPECT_EQ(third, 300);
}

TEST(Wav, HeaderAndFormatFailuresUseTheirMessages)
{
    const std::string fmt = chunk("fmt ", fmtBody(1, 8000, 8));
    const std::string data = chunk("data", "abcd");
    EXPECT_EQ(loadError("RIFF" + u32(100) + "AVI " + fmt + data), kInvalid);
    EXPECT_EQ(loadError("RIFX" + u32(100) + "WAVE" + fmt + data), kInvalid);
    EXPECT_EQ(loadError("RIFF" + u32(4)), kInvalid);  // shorter than the RIFF header
    EXPECT_EQ(loadError(""), kInvalid);
    // Extensible format: refused before any format byte is read.
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(1, 8000, 8) + std::string(24, 'x')) + data)), kHeader);
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(1, 8000, 8, 2)) + data)), kNotPcm);
}

TEST(Wav, RefusesRecordsThatDescribeNoPlayableSound)
{
    const std::string data = chunk("data", "abcd");
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(0, 8000, 8)) + data)), kHeader);       // no channels
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(1, 0, 16)) + data)), kHeader);         // no rate
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(1, 90000000, 16)) + data)), kHeader);  // absurd rate
    EXPECT_EQ(loadError(riff(chunk("fmt ", fmtBody(1, 8000, 12)) + data)), kHeader);      // odd bits
    EXPECT_EQ(loadError(riff(chunk("fmt ", std::string("\x01\0\x01\0", 4)) + data)), kHeader);  // cut record
    std::string badAlign = fmtBody(2, 8000, 16);
    badAlign[12] = 3;
    EXPECT_EQ(loadError(riff(chunk("fmt ", badAlign) + data)), kHeader);
}

TEST(Wav, TruncatedOrLyingSizesFailWithoutHugeAllocations)
{
    const std::string fmt = chunk("fmt ", fmtBody(1, 8000, 8));
    // A data chunk that claims 2 GB in a file of a few bytes.
    EXPECT_EQ(loadError(riff(fmt + "data" + u32(0x7ffffff0) + "abcd")), kInvalid);
    EXPECT_EQ(loadError(riff(fmt + "data" + u32(0xffffffff) + "abcd")), kInvalid);
    EXPECT_EQ(loadError(riff(fmt + "data" + u32(10) + "abcd")), kInvalid);
    // Format chunk cut short by the end of the file.
    EXPECT_EQ(loadError(riff("fmt " + u32(16) + "\x01\0")), kInvalid);
}

TEST(Wav, SkipsOtherChunksAndIgnoresWhatFollowsData)
{
    const std::string list = chunk("LIST", "INFOISFT\x05\0\0\0sox!\0");
    const std::string fmt = chunk("fmt ", fmtBody(1, 8000, 8));
    const TWav wav = load(riff(list + fmt + chunk("data", "abcd") + chunk("data", "zzzzzzzz") +
                               chunk("fmt ", fmtBody(2, 9000, 16))));
    EXPECT_EQ(wav.DataSize(), 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(wav.Data()), 4), "abcd");
    EXPECT_EQ(wav.Format().channels, 1);
}

TEST(Wav, LyingRiffSizeCannotLoopTheScan)
{
    // A RIFF size of 4 leads the scan after "data" back to the chunks already
    // read; the load must still end.
    const std::string body = chunk("fmt ", fmtBody(1, 8000, 8)) + chunk("data", "abcd");
    const TWav wav = load("RIFF" + u32(4) + "WAVE" + body);
    EXPECT_EQ(wav.DataSize(), 4);
    // A "negative" chunk size would walk backwards onto itself.
    const TWav back = load(riff(chunk("fmt ", fmtBody(1, 8000, 8)) + "junk" + u32(0xfffffff8) + chunk("data", "ab")));
    EXPECT_EQ(back.DataSize(), 0);
}

TEST(Wav, FileWithoutDataIsEmptyAndSavesNothing)
{
    const TWav wav = load(riff(chunk("fmt ", fmtBody(1, 8000, 8))));
    EXPECT_TRUE(wav.Empty());
    EXPECT_EQ(wav.FormatSize(), 16);
    std::ostringstream out;
    wav.SaveToStream(out);
    EXPECT_TRUE(out.str().empty());
}

TEST(Wav, SaveWritesTheStoredRiffSizeAndDropsOtherChunks)
{
    const std::string fmt = chunk("fmt ", fmtBody(1, 8000, 8));
    const std::string file = riff(chunk("LIST", "0123456789") + fmt + chunk("data", "abcd"));
    const TWav wav = load(file);
    std::ostringstream out;
    wav.SaveToStream(out);
    const std::string expected = "RIFF" + u32(uint32_t(file.size() - 8)) + "WAVE" + fmt + chunk("data", "abcd");
    EXPECT_EQ(out.str(), expected);
    // And the saved file loads back to the same sound.
    const TWav again = load(out.str());
    EXPECT_EQ(again.RiffSize(), wav.RiffSize());
    EXPECT_EQ(std::memcmp(again.Data(), wav.Data(), 4), 0);
}

TEST(Wav, SaveReportsAFailingStream)
{
    const TWav wav = load(wav16({1, 2}));
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    try {
        wav.SaveToStream(out);
        FAIL();
    } catch (const platform::Exception& e) {
        EXPECT_STREQ(e.what(), "Error at writing Wave-file.");
    }
}

TEST(Wav, AssignCopiesClearsOrKeeps)
{
    TWav a = load(wav16({5, 6, 7}));
    TWav b;
    b.Assign(&a);
    EXPECT_EQ(b.DataSize(), 6);
    EXPECT_EQ(b.Data(), a.Data()) << "samples never change, so copies share them";
    // The copy keeps its samples whatever happens to the original later.
    std::istringstream other(wav16({1}));
    a.LoadFromStream(other);
    a.Clear();
    ASSERT_EQ(b.DataSize(), 6);
    EXPECT_EQ(b.Data()[2], 6);
    b.Assign(&b);
    EXPECT_EQ(b.DataSize(), 6);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Data(), nullptr);
}

TEST(Wav, ReadsFromTheStreamsCurrentPosition)
{
    std::istringstream in(std::string(7, '\0') + wav16({42}));
    in.seekg(7);
    TWav wav;
    wav.LoadFromStream(in);
    EXPECT_EQ(wav.DataSize(), 2);
}
