// A button: a check box, a lock button (a two-state toggle that shows its
// image when off and its alternate image when on) or a push button.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSImage.h"

enum class NSButtonType { pushButton, checkBox, lockButton };

class NSButton : public NSControl {
public:
    explicit NSButton(NSButtonType type = NSButtonType::pushButton);
    ~NSButton() override;
    const char* className() const override;

    static NSButton& absent();

    NSButtonType buttonType() const { return type_; }

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

    // 0 (off) or 1 (on): like the platform's two-state buttons, any value
    // other than 0 is stored as 1.
    int state() const { return state_; }
    void setState(int state);

    const std::shared_ptr<NSImage>& image() const { return image_; }
    void setImage(std::shared_ptr<NSImage> image);
    const std::shared_ptr<NSImage>& alternateImage() const { return alternateImage_; }
    void setAlternateImage(std::shared_ptr<NSImage> image);
    // The image the button shows now: the alternate image in state 1.
    const std::shared_ptr<NSImage>& displayedImage() const;

    // The user clicks: a check box or lock button toggles its state, then
    // the action is sent; a push button only sends it.
    platform::UserResult performClick();

private:
    explicit NSButton(InertTag tag);

    NSButtonType type_;
    std::string title_;
    int state_ = 0;
    std::shared_ptr<NSImage> image_;
    std::shared_ptr<NSImage> alternateImage_;
};
