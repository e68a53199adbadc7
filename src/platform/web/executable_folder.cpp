#include "platform/paths.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace platform {
namespace {

// Under Node the program sees the host's files, and its folder is the one
// holding the .js; in a page the data package is mounted at /game.
EM_JS(char*, programFolder, (), {
    const folder = ENVIRONMENT_IS_NODE ? require('path').dirname(require('fs').realpathSync(process.argv[1]))
                                       : '/game';
    const size = lengthBytesUTF8(folder) + 1;
    const text = _malloc(size);
    stringToUTF8(folder, text, size);
    return text;
});

}  // namespace

std::string executableFolder()
{
    const std::unique_ptr<char, decltype(&std::free)> folder(programFolder(), &std::free);
    std::string text = folder.get();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

}  // namespace platform
