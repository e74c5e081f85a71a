#pragma once
#include <filesystem>
#include <map>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "../shared/faulty_file_system.h"
#include "core/program_values.h"
#include "mainwindow/frmMain.h"
#include "platform/platform.h"
#include "support/codepage_portable.h"
#include "support/file_system_portable.h"
#include "support/memory_form.h"
#include "support/scripted_folder_browser.h"
#include "support/scripted_user.h"
#include "support/shell_folder_portable.h"
#include "support/shell_portable.h"
#include "support/shortcut_writer_portable.h"

namespace parcelo {

// How a box appears in a failed expectation.
inline void PrintTo(const ShownBox& box, std::ostream* os) {
    *os << "{\"" << box.text << "\", \"" << box.caption << "\", " << box.flags << "}";
}

// The boxes that say how a command went.
inline const ShownBox doneBox{"完了", "Parcelo", 0};
inline const ShownBox failedBox{"失敗", "Parcelo", 0};

}  // namespace parcelo

namespace parcelo::test {

// A Windows machine on a temporary folder: drives C: and D:, a user profile on C:, the program in
// C:\Tools\Parcelo, and its Send To and Programs folders present.
class PortableMachine {
public:
    PortableMachine();
    ~PortableMachine();
    PortableMachine(const PortableMachine&) = delete;
    PortableMachine& operator=(const PortableMachine&) = delete;

    static constexpr const char* programFolder = "C:\\Tools\\Parcelo";
    static constexpr const char* profile = "C:\\Users\\hanako";

    void makeFolder(const std::string& path);
    void writeBytes(const std::string& path, const std::string& bytes);
    std::string readBytes(const std::string& path);
    bool exists(const std::string& path);
    // Every file and folder of the machine, by host path relative to its root: a file's bytes, or
    // "<folder>" for a folder.
    std::map<std::string, std::string> snapshot();
    // The name a path has in a snapshot.
    std::string snapshotName(const std::string& path) const;
    // Starts the program anew: a new main window over `values`.
    frmMain& start();
    MemoryForm& mainForm() { return *ui.form("frmMain"); }
    // The names in a folder, sorted.
    std::vector<std::string> entries(const std::string& folder);
    std::string sendTo() { return shell.specialFolderPath(csidlSendTo); }
    std::string dataIni() const { return std::string(programFolder) + "\\Data.ini"; }

    std::filesystem::path root;
    PortableFileSystem files;
    // The file system as the program sees it, with faults to inject.
    FaultyFileSystem faults{files};
    PortableShell shell;
    PortableCodepage codepage;
    ScriptedUser user;
    MemoryUi ui;
    PortableShortcutWriter shortcuts;
    ScriptedFolderBrowser folderBrowser;
    PortableShellFolder folders;
    Platform platform;
    ProgramValues values;
    std::unique_ptr<frmMain> window;
};

using Snapshot = std::map<std::string, std::string>;

// The entries that differ between two snapshots, with what each became ("<gone>" if removed).
Snapshot changes(const Snapshot& before, const Snapshot& after);

}  // namespace parcelo::test
