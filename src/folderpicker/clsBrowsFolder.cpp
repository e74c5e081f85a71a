#include "folderpicker/clsBrowsFolder.h"

namespace parcelo {

bool clsBrowsFolder::mShowDialog() {
    // A list made from pUseInitDir lives for this call only, like the chosen item's.
    std::unique_ptr<ItemIdList> rootFromPath;
    ItemIdHandle root = 0;
    if (!useDir_) {
        root = initDir_;
    } else if (!useInitDir_.empty()) {
        rootFromPath = shell_.listFromPath(useInitDir_);
        if (rootFromPath) root = rootFromPath->handle();
    }
    const std::optional<FolderBrowser::Choice> choice = shell_.browse(target_, root, dialogTitle_, flags_, selectDir_);
    // A cancelled call must not leave the results of an earlier one.
    pathName_.clear();
    displayName_.clear();
    if (choice) {
        pathName_ = shell_.pathFromList(*choice->item);
        displayName_ = choice->displayName;
    }
    return !pathName_.empty() || !displayName_.empty();
}

}  // namespace parcelo
