#include "platform/system/console.h"

#include <windows.h>

#include <cstdio>

namespace platform {
namespace {

// A handle given to the program (a pipe or a file its starter redirected
// to) is kept: only missing output is sent to the console.
bool given(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void useStartingConsole()
{
    const bool out = given(STD_OUTPUT_HANDLE), err = given(STD_ERROR_HANDLE);
    if (out && err) return;
    // Started from a desktop shortcut there is no console to attach to.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FILE* reopened = nullptr;
    if (!out) ::freopen_s(&reopened, "CONOUT$", "w", stdout);
    if (!err) ::freopen_s(&reopened, "CONOUT$", "w", stderr);
}

}  // namespace platform
