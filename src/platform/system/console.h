#pragma once
// The console a program was started from, where its text output goes.

namespace platform {

// On Windows the game is a windowed program, so a player who starts it sees
// no console window beside it; started from a console (for --help, a replay,
// the automatic player), its output goes to that console all the same.
// Elsewhere programs inherit their console, and this does nothing.
void useStartingConsole();

}  // namespace platform
