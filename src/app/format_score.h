#pragma once
#include <cstdint>
#include <string>

// The score as the score bar shows it: decimal, padded with leading zeros to
// six characters (a minus sign counts as one: -5 gives "0000-5").
std::string FormatScore(int32_t value);
