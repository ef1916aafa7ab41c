#include "platform/controls/LayoutOwner.h"

namespace platform {

LayoutOwner::~LayoutOwner() = default;

}  // namespace platform
