#pragma once
#include "platform/folder_browser.h"

namespace parcelo::win32 {

// The shell's own folder-browse dialog, through the wide entry points.
class Win32FolderBrowser : public FolderBrowser {
public:
    std::optional<Choice> browse(std::int32_t owner, ItemIdHandle root, const std::string& title,
                                 std::int32_t flags, const std::string& selection) override;
    std::string pathFromList(const ItemIdList& item) override;
    std::unique_ptr<ItemIdList> listFromPath(const std::string& path) override;
};

}  // namespace parcelo::win32
