// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tally grid's text form: the column count, the row count, then every cell column by
// column (all rows of column 0 first), one per line, each line ended by CR LF. Cells are
// 8-bit text as stored; the file's bytes must stay readable by older copies of the game.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quadrino {

inline constexpr std::size_t kTallyColumns = 9;
// Every tallied opponent is added by hand, one click each; anything near this is a damaged file.
inline constexpr std::size_t kTallyMaxRows = 10000;

class TextGrid {
public:
    TextGrid() = default;
    TextGrid(std::size_t columns, std::size_t rows);

    std::size_t columns() const { return columns_; }
    std::size_t rows() const { return rows_; }
    const std::string& cell(std::size_t column, std::size_t row) const { return cells_[index(column, row)]; }
    void setCell(std::size_t column, std::size_t row, std::string text) {
        cells_[index(column, row)] = std::move(text);
    }

    bool operator==(const TextGrid&) const = default;

private:
    std::size_t index(std::size_t column, std::size_t row) const { return row * columns_ + column; }

    std::size_t columns_ = 0;
    std::size_t rows_ = 0;
    std::vector<std::string> cells_;
};

// A line break inside a cell would shift every later cell by a line when read back, so
// CR and LF inside cells are written as blanks.
std::string gridToText(const TextGrid& grid);

struct GridParse {
    TextGrid grid;
    std::string error;  // empty when the text was read
    bool ok() const { return error.empty(); }
};

// Lines may end in CR LF, LF or CR. Refuses counts that are not plain decimal numbers,
// zero or more than `maxCells` cells, and text with fewer cell lines than the counts ask
// for; lines after the last cell are ignored.
GridParse gridFromText(std::string_view text, std::size_t maxCells);

// The tally's own grid: exactly kTallyColumns columns and 1 to kTallyMaxRows rows.
GridParse tallyGridFromText(std::string_view text);

} // namespace quadrino
