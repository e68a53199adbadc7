// The system's services on Windows: the program's folder as UTF-8 text, and
// Ctrl+C noted for an orderly end instead of ending the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/system/paths.h"
#include "platform/system/stop_signals.h"
#include "platform/system/utf8_path.h"

TEST(WindowsServices, TheExecutableFolderHoldsThisProgram)
{
    const std::string folder = platform::executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(platform::utf8Path(folder + "test_platform.exe")));
}

TEST(WindowsServices, CtrlCIsNotedAsAStop)
{
    platform::watchStopSignals();
    ASSERT_FALSE(platform::stopRequested());
    // Ctrl+C reaches every process of the console; only a process that has
    // one can be sent it.
    if (!::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) GTEST_SKIP() << "no console to send Ctrl+C through";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!platform::stopRequested() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(platform::stopRequested());
    platform::watchStopSignals();
}
