#include "support/scripted_folder_browser.h"

namespace parcelo {
namespace {

// A list that stands for a path; its handle is never looked at.
struct ScriptedList : ItemIdList {
    explicit ScriptedList(std::string path) : path(std::move(path)) {}
    ItemIdHandle handle() const override { return 0x1000; }
    std::string path;
};

}  // namespace

std::optional<FolderBrowser::Choice> ScriptedFolderBrowser::browse(std::int32_t owner, ItemIdHandle root,
                                                                    const std::string& title, std::int32_t flags,
                                                                    const std::string& selection) {
    calls.push_back({owner, root, title, flags, selection});
    if (picks.empty()) return std::nullopt;
    const std::optional<PickedItem> pick = picks.front();
    picks.pop_front();
    if (!pick) return std::nullopt;
    return Choice{listFromPath(pick->path), pick->displayName};
}

std::string ScriptedFolderBrowser::pathFromList(const ItemIdList& item) {
    return static_cast<const ScriptedList&>(item).path;
}

std::unique_ptr<ItemIdList> ScriptedFolderBrowser::listFromPath(const std::string& path) {
    return std::make_unique<ScriptedList>(path);
}

}  // namespace parcelo
