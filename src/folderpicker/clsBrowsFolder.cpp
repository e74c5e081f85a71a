#include "folderpicker/clsBrowsFolder.h"

namespace parcelo {

bool clsBrowsFolder::mShowDialog() {
    const std::optional<FolderBrowser::Choice> choice = shell_.browse(0, 0, dialogTitle_, 0);
    // A cancelled call must not leave the path of an earlier one.
    pathName_ = choice ? shell_.pathFromList(*choice->item) : "";
    return !pathName_.empty() || (choice && !choice->displayName.empty());
}

}  // namespace parcelo
