#include "platform/system/paths.h"

#include <emscripten.h>

#include <vector>

namespace platform {
namespace {

// Under Node the program sees the host's files, and its folder is the one
// holding the .js; in a page the data package is mounted at /game.
EM_JS(int, copyProgramFolder, (char* out, int size), {
    const node = typeof process === 'object' && process.versions && process.versions.node;
    const folder = node ? require('path').dirname(require('fs').realpathSync(process.argv[1])) : '/game';
    if (size > 0) stringToUTF8(folder, out, size);
    return lengthBytesUTF8(folder) + 1;
});

}  // namespace

std::string executableFolder()
{
    std::vector<char> text(static_cast<std::size_t>(copyProgramFolder(nullptr, 0)));
    copyProgramFolder(text.data(), static_cast<int>(text.size()));
    std::string folder = text.data();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace platform
