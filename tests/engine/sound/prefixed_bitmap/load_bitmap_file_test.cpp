#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "engine/sound/encrypt_simple.h"
#include "platform/win32/bitmap/bitmap.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LoadBitmapFile : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("brindlecog_dat_" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string& name, const std::vector<char>& prefix, const std::vector<char>& body)
    {
        const fs::path path = dir / name;
        std::ofstream out(path, std::ios::binary);
        out.write(prefix.data(), static_cast<std::streamsize>(prefix.size()));
        out.write(body.data(), static_cast<std::streamsize>(body.size()));
        return path;
    }
    std::vector<char> bmp = readAll(fs::path(BRINDLECOG_SOURCE_DIR) / "tests/platform/win32/bitmap/data/pal8.bmp");
};

TEST_F(LoadBitmapFile, AnyHundredAndOneBytesInFrontAreSkipped)
{
    std::vector<char> prefix(101);
    for (std::size_t i = 0; i < prefix.size(); ++i) prefix[i] = static_cast<char>(i * 7 + 1);
    const auto bitmap = TEncryptSimple().LoadBitmapFile(write("DatImg001.dat", prefix, bmp).string());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 13);
    EXPECT_EQ(bitmap->Height(), 7);
    EXPECT_EQ(bitmap->PixelFormat(), platform::TPixelFormat::pf8bit);
}

TEST_F(LoadBitmapFile, PlainShortAndMissingFilesFail)
{
    TEncryptSimple loader;
    // Without the prefix the reader starts in the middle of the picture.
    EXPECT_THROW(loader.LoadBitmapFile(write("plain.dat", {}, bmp).string()), platform::EInvalidGraphic);
    EXPECT_THROW(loader.LoadBitmapFile(write("short.dat", std::vector<char>(50, 'x'), {}).string()),
                 platform::EInvalidGraphic);
    EXPECT_THROW(loader.LoadBitmapFile((dir / "missing.dat").string()), platform::EFileError);
}

}  // namespace
