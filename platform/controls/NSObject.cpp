#include "platform/controls/NSObject.h"

NSObject::~NSObject() = default;

void NSObject::setFieldName(const std::string& name) {
    if (inert_) return;
    fieldName_ = name;
}

const char* NSObject::className() const {
    return "NSObject";
}
