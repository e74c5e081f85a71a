#include "core/error_styles.h"

namespace parcelo {

void reportUnexpected(Dialogs& dialogs, const std::exception& failure) {
    dialogs.messageBox(std::string("エラーが発生しました。\n\n") + failure.what(), applicationTitle,
                       box::ok | box::iconError);
}

}  // namespace parcelo
