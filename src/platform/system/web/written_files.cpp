#include "platform/system/written_files.h"

#include <emscripten.h>

#include "platform/errors.h"

namespace platform {
namespace {

// A file in the browser's storage (the settings folder the page mounts) is
// synced to IndexedDB, and the game waits until it is there: a tab closed
// right after loses nothing saved. A picture written anywhere else is handed
// to the player as a download; the page keeps no folder of pictures.
// Under Node the host's files are written as they are, and nothing follows.
EM_JS(int, keptByPage, (const char* pathText), {
    if (typeof document === 'undefined') return 0;
    const path = UTF8ToString(pathText);
    try {
        return FS.lookupPath(path).node.mount.type === IDBFS || path.endsWith('.png') ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// Returns 0, or 1 when the browser's storage refused the file (full, or
// switched off for the page).
EM_ASYNC_JS(int, keepInPage, (const char* pathText), {
    const path = UTF8ToString(pathText);
    if (FS.lookupPath(path).node.mount.type === IDBFS) {
        return await new Promise(resolve => FS.syncfs(false, error => {
            if (error) console.warn('Brindlecog: saving to the browser storage failed: ' + error);
            resolve(error ? 1 : 0);
        }));
    }
    const url = URL.createObjectURL(new Blob([FS.readFile(path)], {type: 'image/png'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = path.substring(path.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
    FS.unlink(path);
    return 0;
});

}  // namespace

void fileWritten(const std::string& path)
{
    // Only in the page's memory, the file would be lost with the tab: the
    // game is told it was not saved, as when a disk is full.
    if (keptByPage(path.c_str()) && keepInPage(path.c_str()) != 0)
        throw EFileError("Cannot save \"" + path + "\" in the browser's storage");
}

}  // namespace platform
