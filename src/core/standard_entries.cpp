#include "core/standard_entries.h"

#include <algorithm>

#include "core/atomic_write.h"
#include "core/desktop_ini.h"
#include "core/windows_names.h"

namespace parcelo {
namespace {

// The handlers: .ZFSendToTarget zipfldr.dll, .DeskLink and .MAPIMail sendmail.dll, .mydocs mydocs.dll.
constexpr StandardEntry standardEntries[] = {
    {"Compressed (zipped) Folder.ZFSendToTarget", "圧縮 (zip 形式) フォルダー",
     "@%SystemRoot%\\system32\\zipfldr.dll,-10227"},
    {"Desktop (create shortcut).DeskLink", "デスクトップ (ショートカットを作成)",
     "@%SystemRoot%\\system32\\sendmail.dll,-21"},
    {"Documents.mydocs", "ドキュメント", "@%SystemRoot%\\system32\\shell32.dll,-21770"},
    {"Mail Recipient.MAPIMail", "メール受信者", "@%SystemRoot%\\system32\\sendmail.dll,-203"},
};

std::string desktopIniOf(const std::string& folder) { return folder + "\\desktop.ini"; }

}  // namespace

std::vector<StandardEntry> missingStandardEntries(const std::vector<FolderItem>& items) {
    std::vector<StandardEntry> missing;
    for (const StandardEntry& entry : standardEntries) {
        const auto same = [&](const FolderItem& item) {
            return sameIgnoringCase(lastPathPart(item.path), entry.file);
        };
        if (std::none_of(items.begin(), items.end(), same)) missing.push_back(entry);
    }
    return missing;
}

RestorePlan planRestore(FileSystem& files, const std::string& folder, const std::vector<FolderItem>& items) {
    RestorePlan plan{missingStandardEntries(items), std::nullopt, false};
    const std::string path = desktopIniOf(folder);
    const std::string old = files.attributes(path).exists ? files.readFile(path) : "";
    std::vector<LocalizedName> names;
    for (const StandardEntry& entry : plan.missing) names.push_back({std::string(entry.file), std::string(entry.localizedName)});
    plan.desktopIni = withLocalizedNames(old, names);
    plan.desktopIniChanges = plan.desktopIni && *plan.desktopIni != old;
    return plan;
}

std::string restoreText(const RestorePlan& plan) {
    if (plan.missing.empty()) return "既定の項目はすべてそろっています。";
    std::string text = "次の既定の項目を作成します。\n";
    for (const StandardEntry& entry : plan.missing) text.append("\n").append(entry.shown);
    if (!plan.desktopIni) text += "\n\ndesktop.ini を読み取れないため、書き換えません。項目は英語の名前で表示されます。";
    return text;
}

void restoreStandardEntries(FileSystem& files, const std::string& folder, const RestorePlan& plan) {
    if (plan.desktopIniChanges) writeMarkedFileAtomically(files, desktopIniOf(folder), *plan.desktopIni);
    for (const StandardEntry& entry : plan.missing) files.writeFile(std::string(folder).append("\\").append(entry.file), "");
}

}  // namespace parcelo
