#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/sound/encrypt_simple.h"
#include "engine/sound/sound_file_prefix.h"
#include "engine/sound/wav.h"
#include "platform/errors.h"
#include "wav_bytes.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PrefixedWav : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("brindlecog_sound_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string prefixed(const std::string& wav, const std::string& tag = "DatSnd")
    {
        const TSoundFilePrefix prefix = MakeSoundFilePrefix(tag);
        return std::string(prefix.begin(), prefix.end()) + wav;
    }

    fs::path dir_;
};

const fs::path kData = fs::path(BRINDLECOG_SOURCE_DIR) / "tests/engine/sound/data";

}  // namespace

// Files written by sox: 8 and 16 bit, mono and stereo, 11025 to 48000 Hz.
TEST_F(PrefixedWav, SoxFilesLoadBehindThePrefixExactly)
{
    struct Case {
        const char* file;
        uint16_t channels, bits;
        uint32_t rate;
    };
    for (const Case c : {Case{"u8_mono_11025.wav", 1, 8, 11025}, Case{"u8_stereo_22050.wav", 2, 8, 22050},
                         Case{"s16_mono_32000.wav", 1, 16, 32000}, Case{"s16_mono_44100.wav", 1, 16, 44100},
                         Case{"s16_stereo_48000.wav", 2, 16, 48000}}) {
        SCOPED_TRACE(c.file);
        const std::string plain = readFile(kData / c.file);
        ASSERT_GT(plain.size(), 44u);
        const std::string path = write("DatSnd001.dat", prefixed(plain));
        ASSERT_TRUE(SoundFilePrefixEndsScan(MakeSoundFilePrefix("x"), plain.size() + 101));

        const std::unique_ptr<TWav> wav = TEncryptSimple().LoadWavFile(path);
        ASSERT_FALSE(wav->Empty());
        const auto f = wav->Format();
        EXPECT_EQ(f.channels, c.channels);
        EXPECT_EQ(f.bitsPerSample, c.bits);
        EXPECT_EQ(f.samplesPerSec, c.rate);
        // sox writes a canonical 44-byte header (and pads odd data to even).
        uint32_t dataSize;
        std::memcpy(&dataSize, plain.data() + 40, 4);
        EXPECT_EQ(wav->DataSize(), int(dataSize));
        EXPECT_GE(dataSize + 45, plain.size());
        EXPECT_EQ(std::memcmp(wav->Data(), plain.data() + 44, std::size_t(wav->DataSize())), 0);
    }
}

TEST_F(PrefixedWav, PlainWavWithoutPrefixDoesNotLoad)
{
    const std::string path = write("plain.dat", readFile(kData / "s16_mono_44100.wav"));
    EXPECT_THROW(TEncryptSimple().LoadWavFile(path), platform::Exception);
}

TEST_F(PrefixedWav, ShortAndMissingFilesFailClearly)
{
    EXPECT_THROW(TEncryptSimple().LoadWavFile(write("short.dat", std::string(50, 'x'))), platform::Exception);
    EXPECT_THROW(TEncryptSimple().LoadWavFile((dir_ / "missing.dat").string()), platform::EFileError);
}

TEST_F(PrefixedWav, PrefixRuleDecidesWhetherTheScanEnds)
{
    const std::string wav = wavbytes::wav16({1, 2, 3, 4});
    const uint64_t size = 101 + wav.size();
    TSoundFilePrefix prefix = MakeSoundFilePrefix("tag");
    EXPECT_TRUE(SoundFilePrefixEndsScan(prefix, size));

    // A non-zero id with a size that reaches the end is fine too...
    std::memcpy(prefix.data(), "BCSN", 4);
    const std::string reach = wavbytes::u32(uint32_t(size - 8));
    std::memcpy(prefix.data() + 4, reach.data(), 4);
    EXPECT_TRUE(SoundFilePrefixEndsScan(prefix, size));
    auto wav1 = TEncryptSimple().LoadWavFile(write("a.dat", std::string(prefix.begin(), prefix.end()) + wav));
    EXPECT_EQ(wav1->DataSize(), 8);

    // ...but one that stops short, or a "data" id, does not.
    const std::string shortSize = wavbytes::u32(16);
    std::memcpy(prefix.data() + 4, shortSize.data(), 4);
    EXPECT_FALSE(SoundFilePrefixEndsScan(prefix, size));
    std::memcpy(prefix.data(), "data", 4);
    EXPECT_FALSE(SoundFilePrefixEndsScan(prefix, size));
    // Even such a file loads and the scan ends: "data" seen after the move
    // back is not read again.
    auto wav2 = TEncryptSimple().LoadWavFile(write("b.dat", std::string(prefix.begin(), prefix.end()) + wav));
    EXPECT_EQ(wav2->DataSize(), 8);
}
