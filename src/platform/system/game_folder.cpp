#include "platform/system/paths.h"
#include "platform/system/utf8_path.h"

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool holdsGameFiles(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_directory(folder / "SysData", ec);
}

}  // namespace

std::string gameFolderFor(const std::string& programFolder, const std::string& installedData)
{
    if (installedData.empty() || holdsGameFiles(utf8Path(programFolder))) return programFolder;
    const fs::path installed = (utf8Path(programFolder) / utf8Path(installedData)).lexically_normal();
    // Neither: the program's folder, so that what is missing is named there.
    return holdsGameFiles(installed) ? withSlash(utf8Text(installed)) : programFolder;
}

std::string gameFolder()
{
    // The build defines where the install puts the data, relative to the program.
    return gameFolderFor(executableFolder(), BRINDLECOG_INSTALLED_DATA);
}

}  // namespace platform
