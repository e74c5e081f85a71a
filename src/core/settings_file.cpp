#include "core/settings_file.h"

#include "core/text_file_encoding.h"

namespace parcelo {
namespace {

constexpr const char* programFolder = "\\Parcelo";

}  // namespace

std::string SettingsStore::besideExecutable() const {
    return platform_.shell.executableFolder() + "\\" + fileName_;
}

std::string SettingsStore::inApplicationData() const {
    return platform_.shell.applicationDataFolder() + programFolder + "\\" + fileName_;
}

std::optional<std::string> SettingsStore::find() const {
    for (const std::string& path : {besideExecutable(), inApplicationData()}) {
        const FileAttributes a = platform_.files.attributes(path);
        if (a.exists && !a.directory && !a.hidden && !a.system) return path;
    }
    return std::nullopt;
}

void SettingsStore::read(const std::string& path, SettingsRecord& record) const {
    const std::string text = decodeSettingsText(platform_.files.readFile(path), platform_.codepage);
    readSettingsRecord(text, record);
}

std::string SettingsStore::placeForWriting() const {
    // A file beside the executable is the one the next start reads: written anywhere else, the
    // settings would be lost behind it, so it is replaced or the write fails and says why.
    if (find() == besideExecutable() || platform_.files.canCreateFilesIn(platform_.shell.executableFolder()))
        return besideExecutable();
    const std::string folder = platform_.shell.applicationDataFolder() + programFolder;
    if (!platform_.files.attributes(folder).exists) platform_.files.createDirectory(folder);
    return inApplicationData();
}

}  // namespace parcelo
