#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_browser.h"

namespace parcelo {

// An item the user picks in the folder-browse dialog; an empty path is an item that has no
// file-system path (a printer, the control panel).
struct PickedItem {
    std::string path;
    std::string displayName;
};

// What the folder-browse dialog was shown with.
struct BrowseCall {
    std::int32_t owner;
    ItemIdHandle root;
    std::string title;
    std::int32_t flags;
    std::string selection;
    friend bool operator==(const BrowseCall&, const BrowseCall&) = default;
};

// A shell namespace and a user who picks from a script.
class ScriptedFolderBrowser : public FolderBrowser {
public:
    std::optional<Choice> browse(std::int32_t owner, ItemIdHandle root, const std::string& title,
                                 std::int32_t flags, const std::string& selection) override;
    std::string pathFromList(const ItemIdList& item) override;
    std::unique_ptr<ItemIdList> listFromPath(const std::string& path) override;

    // Items to pick, in order; nothing or none left: the user cancels.
    std::deque<std::optional<PickedItem>> picks;
    std::vector<BrowseCall> calls;
};

}  // namespace parcelo
