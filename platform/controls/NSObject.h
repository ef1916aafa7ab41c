// The root of the control model: every object that the layout can name.
#pragma once

#include <string>

class NSObject {
public:
    virtual ~NSObject();
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    // The name under which the layout connects this object to its owner's
    // field ("retentionCheckBox"); empty for unnamed objects.
    const std::string& fieldName() const { return fieldName_; }
    void setFieldName(const std::string& name);

    // The platform class this object stands in for ("NSButton"), for hosts
    // that list or dump a view.
    virtual const char* className() const;

    // True only for the shared stand-in that an absent outlet hands out. It
    // reads as empty and ignores every change, so that no caller can alter
    // what the next absent read gives.
    bool isInert() const { return inert_; }

protected:
    struct InertTag {};

    NSObject() = default;
    explicit NSObject(InertTag) : inert_(true) {}

private:
    std::string fieldName_;
    const bool inert_ = false;
};
