#include "platform/controls/NSMatrix.h"

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
