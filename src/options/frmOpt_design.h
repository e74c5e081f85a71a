#pragma once
#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmOptDesign;

}  // namespace parcelo
