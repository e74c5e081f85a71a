#pragma once
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/folder_browser.h"
#include "platform/form.h"
#include "platform/shell.h"
#include "platform/shell_folder.h"
#include "platform/shortcut_writer.h"

namespace parcelo {

// Everything through which the program reaches the system.
struct Platform {
    FileSystem& files;
    Shell& shell;
    Codepage& codepage;
    Dialogs& dialogs;
    Ui& ui;
    ShortcutWriter& shortcuts;
    FolderBrowser& folderBrowser;
    ShellFolder& folders;
};

}  // namespace parcelo
