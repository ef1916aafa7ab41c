// One item of a menu: a title with an image, or a separator line. Items
// carry no action of their own: choosing one sends the pop-up's action.
#pragma once

#include <any>
#include <memory>
#include <string>

#include "platform/controls/NSImage.h"
#include "platform/controls/NSObject.h"

class NSMenuItem : public NSObject {
public:
    explicit NSMenuItem(std::string title = "", std::string keyEquivalent = "");
    ~NSMenuItem() override;
    const char* className() const override;

    static std::unique_ptr<NSMenuItem> separatorItem();
    bool isSeparatorItem() const { return separator_; }

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);
    const std::shared_ptr<NSImage>& image() const { return image_; }
    void setImage(std::shared_ptr<NSImage> image);
    const std::string& keyEquivalent() const { return keyEquivalent_; }

    const std::any& representedObject() const { return representedObject_; }
    void setRepresentedObject(std::any object);

private:
    std::string title_;
    std::string keyEquivalent_;
    std::shared_ptr<NSImage> image_;
    std::any representedObject_;
    bool separator_ = false;
};
