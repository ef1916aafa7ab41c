#include "settings/JobFields.h"

#include "platform/controls/Buttons.h"

namespace job_fields {

uint32_t lockMaskOf(const Panel& panel) {
    uint32_t mask = 0;
    for (const JobField* field : kFields)
        if ((panel.outlets.*field->lockButton)->state() != 0) mask |= field->lockBit;
    return mask;
}

}  // namespace job_fields
