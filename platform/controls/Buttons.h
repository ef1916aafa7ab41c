// The platform's buttons: the button itself (a check box, a lock button or
// a push button), and the radio matrix with its cells.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSImage.h"
#include "platform/controls/NSObject.h"

// A button: a check box, a lock button (a two-state toggle that shows its
// image when off and its alternate image when on) or a push button.
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

// One radio cell of a matrix: a title and a state (1 for the selected cell).
class NSButtonCell : public NSObject {
public:
    explicit NSButtonCell(std::string title = "");
    ~NSButtonCell() override;
    const char* className() const override;

    static NSButtonCell& absent();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

    // 0 or 1; any value other than 0 is stored as 1. Setting a cell's state
    // directly does not touch its sisters: selectCellAtRow of the matrix does.
    int state() const { return state_; }
    void setState(int state);

private:
    explicit NSButtonCell(InertTag tag) : NSObject(tag) {}

    std::string title_;
    int state_ = 0;
};

// A radio matrix: one column of radio cells, at most one of them selected.
class NSMatrix : public NSControl {
public:
    NSMatrix() = default;
    ~NSMatrix() override;
    const char* className() const override;

    // An absent matrix reads as row 0 selected, with no cells.
    static NSMatrix& absent();

    // Appends a row holding `cell` and gives the cell (none for the absent
    // matrix, which keeps nothing).
    NSButtonCell* addCell(std::unique_ptr<NSButtonCell> cell);
    int numberOfRows() const { return static_cast<int>(cells_.size()); }
    // The cell at the row, or none; the matrix has column 0 only.
    NSButtonCell* cellAtRow(int row, int column) const;

    // The row of `cell`, or -1 when it is not a cell of this matrix.
    int rowOfCell(const NSButtonCell* cell) const;

    // The first row whose cell is on; -1 when none is.
    int selectedRow() const;
    NSButtonCell* selectedCell() const;
    // Turns the cell at the row on and every other cell off; row -1 turns
    // them all off. A row or column outside the matrix changes nothing.
    void selectCellAtRow(int row, int column);

    // The user clicks the cell at the row: it is selected, then the action
    // is sent (also when that row was selected already).
    platform::UserResult userSelectCellAtRow(int row);

    NSObject* childNamed(const std::string& name) override;

private:
    explicit NSMatrix(InertTag tag) : NSControl(tag) {}

    std::vector<std::unique_ptr<NSButtonCell>> cells_;
};
