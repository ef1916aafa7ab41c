#include "platform/controls/Buttons.h"

NSButton::NSButton(NSButtonType type) : type_(type) {}

NSButton::NSButton(InertTag tag) : NSControl(tag), type_(NSButtonType::pushButton) {}

NSButton::~NSButton() = default;

const char* NSButton::className() const {
    return "NSButton";
}

NSButton& NSButton::absent() {
    static NSButton instance{InertTag{}};
    return instance;
}

void NSButton::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}

void NSButton::setState(int state) {
    if (isInert()) return;
    state_ = state != 0 ? 1 : 0;
}

void NSButton::setImage(std::shared_ptr<NSImage> image) {
    if (isInert()) return;
    image_ = std::move(image);
}

void NSButton::setAlternateImage(std::shared_ptr<NSImage> image) {
    if (isInert()) return;
    alternateImage_ = std::move(image);
}

const std::shared_ptr<NSImage>& NSButton::displayedImage() const {
    return state_ == 1 ? alternateImage_ : image_;
}

platform::UserResult NSButton::performClick() {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (type_ != NSButtonType::pushButton) state_ = state_ == 0 ? 1 : 0;
    sendAction();
    return platform::UserResult::done;
}

NSButtonCell::NSButtonCell(std::string title) : title_(std::move(title)) {}

NSButtonCell::~NSButtonCell() = default;

const char* NSButtonCell::className() const {
    return "NSButtonCell";
}

NSButtonCell& NSButtonCell::absent() {
    static NSButtonCell instance{InertTag{}};
    return instance;
}

void NSButtonCell::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}

void NSButtonCell::setState(int state) {
    if (isInert()) return;
    state_ = state != 0 ? 1 : 0;
}

NSMatrix::~NSMatrix() = default;

const char* NSMatrix::className() const {
    return "NSMatrix";
}

NSMatrix& NSMatrix::absent() {
    static NSMatrix instance{InertTag{}};
    return instance;
}

NSButtonCell* NSMatrix::addCell(std::unique_ptr<NSButtonCell> cell) {
    if (isInert() || !cell) return nullptr;
    cells_.push_back(std::move(cell));
    return cells_.back().get();
}

NSButtonCell* NSMatrix::cellAtRow(int row, int column) const {
    if (column != 0 || row < 0 || row >= numberOfRows()) return nullptr;
    return cells_[static_cast<std::size_t>(row)].get();
}

int NSMatrix::rowOfCell(const NSButtonCell* cell) const {
    for (int row = 0; row < numberOfRows(); ++row) {
        if (cells_[static_cast<std::size_t>(row)].get() == cell) return row;
    }
    return -1;
}

int NSMatrix::selectedRow() const {
    if (isInert()) return 0;
    for (int row = 0; row < numberOfRows(); ++row) {
        if (cells_[static_cast<std::size_t>(row)]->state() == 1) return row;
    }
    return -1;
}

NSButtonCell* NSMatrix::selectedCell() const {
    return cellAtRow(selectedRow(), 0);
}

void NSMatrix::selectCellAtRow(int row, int column) {
    if (isInert() || column != 0 || row < -1 || row >= numberOfRows()) return;
    for (int each = 0; each < numberOfRows(); ++each) {
        cells_[static_cast<std::size_t>(each)]->setState(each == row ? 1 : 0);
    }
}

platform::UserResult NSMatrix::userSelectCellAtRow(int row) {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (row < 0 || row >= numberOfRows()) return platform::UserResult::outOfRange;
    selectCellAtRow(row, 0);
    sendAction();
    return platform::UserResult::done;
}

NSObject* NSMatrix::childNamed(const std::string& name) {
    for (const auto& cell : cells_) {
        if (!name.empty() && cell->fieldName() == name) return cell.get();
    }
    return nullptr;
}
