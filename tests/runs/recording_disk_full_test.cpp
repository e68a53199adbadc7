// A full disk while recording (brought on with Linux's full device and a file
// size limit): the recording stops with the reason, what was written stays.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "runs/recording_file.h"
#include "support/temp_dir.h"

TEST(RecordingWriter, AFullDeviceIsRefused)
{
    EXPECT_THROW(recording::RecordingWriter("/dev/full"), std::runtime_error) << "a full disk";
}

TEST(RecordingWriter, AFullDiskStopsTheRecordingNotTheGame)
{
    TempDir dir;
    int64_t now = 0;
    const std::string file = dir.file("full.rec");
    recording::RecordingWriter writer(file, [&now] { return now; });
    recording::ByteWriter frame;
    recording::PutFrame(frame, {1, 7});
    writer.add(recording::RecordType::Frame, frame);
    now = 500;
    writer.add(recording::RecordType::Frame, frame);  // the first chunk goes out

    // From here the file may not grow: as on a full disk.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    rlimit full = limit;
    full.rlim_cur = std::filesystem::file_size(file);
    ::setrlimit(RLIMIT_FSIZE, &full);
    now = 1000;
    writer.add(recording::RecordType::Frame, frame);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_DFL);
    writer.add(recording::RecordType::Frame, frame);
    writer.finish();

    EXPECT_NE(writer.error().find("recording stopped, \"" + file + "\" cannot be written: File too large"),
              std::string::npos)
        << writer.error();
    const auto read = recording::ReadRecordingFile(file);
    ASSERT_TRUE(read.recording) << read.error;
    EXPECT_FALSE(read.recording->complete);
    EXPECT_EQ(read.recording->frames, 2u) << "what was written before stays replayable";
}
