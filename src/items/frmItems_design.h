#pragma once
#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmItemsDesign;

// The columns of the entry list.
enum ItemsColumn : size_t { columnName = 0, columnTarget = 1, columnState = 2 };

}  // namespace parcelo
