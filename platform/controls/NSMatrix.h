// A radio matrix: one column of radio cells, at most one of them selected.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/NSButtonCell.h"
#include "platform/controls/NSControl.h"

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
