#pragma once
// The wall clock's reading as the player's calendar and clock show it.
#include <ctime>

namespace platform {

std::tm localTime(std::time_t when);

}  // namespace platform
