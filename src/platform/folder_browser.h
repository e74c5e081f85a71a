#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace parcelo {

// An item-id list handle as the shell passes it; 0 stands for the desktop.
using ItemIdHandle = std::intptr_t;

// An item-id list that the shell made for the program; released when dropped.
class ItemIdList {
public:
    virtual ~ItemIdList() = default;
    virtual ItemIdHandle handle() const = 0;
};

// The shell's folder-browse dialog and the item-id lists it deals in.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;

    struct Choice {
        std::unique_ptr<ItemIdList> item;
        std::string displayName;
    };

    // Shows the modal dialog: `owner` is a window handle (0: none), `root` the top of its tree,
    // `flags` the shell's browse flags, `selection` the folder selected as it opens (empty: the
    // shell's choice). Nothing when the user cancels.
    virtual std::optional<Choice> browse(std::int32_t owner, ItemIdHandle root, const std::string& title,
                                         std::int32_t flags, const std::string& selection) = 0;
    // The item's file-system path; empty when it has none.
    virtual std::string pathFromList(const ItemIdList& item) = 0;
    // Nothing when the shell cannot turn the path into a list.
    virtual std::unique_ptr<ItemIdList> listFromPath(const std::string& path) = 0;
};

}  // namespace parcelo
