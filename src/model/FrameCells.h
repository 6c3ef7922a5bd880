#pragma once

#include <QString>

#include <array>
#include <vector>

// The texts of the frame list: row 0 holds the headings, row r (1-based) the five texts of frame r - 1.
// The list always has FrameCount + 1 rows; the list widget shows these cells and nothing else.
enum FrameColumn { ColNo = 0, ColLine = 1, ColBoard = 2, ColChange = 3, ColTime = 4 };
inline constexpr int FrameColumnCount = 5;

using RowCells = std::array<QString, FrameColumnCount>;

class FrameCells {
public:
    FrameCells() : rows_(1) {}

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // New rows start with five empty texts; rows beyond the count are forgotten.
    void setRowCount(int rows) { rows_.resize(static_cast<std::size_t>(rows)); }

    const QString &cell(int column, int row) const { return rows_[row][column]; }
    void setCell(int column, int row, const QString &text) { rows_[row][column] = text; }

    const RowCells &row(int r) const { return rows_[r]; }
    RowCells &row(int r) { return rows_[r]; }

    void writeHeadings();

private:
    std::vector<RowCells> rows_;
};

// A number as the list shows it: zero-padded to at least three digits ("001", "042", "500").
QString Format000(int number);

// A heading of row 0 as the frame list shows it, in the language of the interface.
QString HeadingShown(const QString &heading);
