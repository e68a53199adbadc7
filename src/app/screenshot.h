#pragma once
// Screenshots: the picture the screen shows, saved as a PNG file named after
// the moment it was taken.
#include <ctime>
#include <string>

class TDDrawScreen;

// "brindlecog-YYYYMMDD-HHMMSS.png" for `when`; `count` above 1 adds "-2",
// "-3" and so on, for further pictures taken in the same second.
std::string ScreenshotFileName(const std::tm& when, int count = 1);

// Saves the picture on `screen` into `folder` (created when missing) under
// the first name for `when` not taken yet, and returns the file's path.
// Throws platform::Exception with the reason when there is no picture or it
// cannot be written; nothing is left half-written.
std::string SaveScreenshot(const TDDrawScreen& screen, const std::string& folder, const std::tm& when);
