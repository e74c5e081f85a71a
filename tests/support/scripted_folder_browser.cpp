#include "support/scripted_folder_browser.h"

namespace parcelo {
namespace {

class ScriptedList : public ItemIdList {
public:
    ScriptedList(std::map<ItemIdHandle, std::string>& lists, ItemIdHandle handle) : lists_(lists), handle_(handle) {}
    ~ScriptedList() override { lists_.erase(handle_); }
    ItemIdHandle handle() const override { return handle_; }

private:
    std::map<ItemIdHandle, std::string>& lists_;
    ItemIdHandle handle_;
};

}  // namespace

std::unique_ptr<ItemIdList> ScriptedFolderBrowser::makeList(const std::string& path) {
    const ItemIdHandle handle = nextHandle_++;
    lists_[handle] = path;
    return std::make_unique<ScriptedList>(lists_, handle);
}

std::optional<FolderBrowser::Choice> ScriptedFolderBrowser::browse(std::int32_t owner, ItemIdHandle root,
                                                                    const std::string& title, std::int32_t flags,
                                                                    const std::string& selection) {
    const auto rootList = lists_.find(root);
    calls.push_back({owner, root, rootList == lists_.end() ? "" : rootList->second, title, flags, selection});
    if (picks.empty()) return std::nullopt;
    const std::optional<PickedItem> pick = picks.front();
    picks.pop_front();
    if (!pick) return std::nullopt;
    return Choice{makeList(pick->path), pick->displayName};
}

std::string ScriptedFolderBrowser::pathFromList(const ItemIdList& item) {
    const auto list = lists_.find(item.handle());
    return list == lists_.end() ? "" : list->second;
}

std::unique_ptr<ItemIdList> ScriptedFolderBrowser::listFromPath(const std::string& path) {
    return makeList(path);
}

}  // namespace parcelo
