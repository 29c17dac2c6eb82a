// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/grid_text.h"

#include <charconv>
#include <cstdint>

namespace quadrino {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch != '\r' && ch != '\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? std::size_t{2} : std::size_t{1};
        start = i;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// For error texts: a damaged line may hold any bytes, show only plain printable ones.
std::string quoted(std::string_view line) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < line.size() && i < kShown; ++i) {
        const char ch = line[i];
        out.push_back(ch >= 0x20 && ch < 0x7F ? ch : '?');
    }
    if (line.size() > kShown) out += "...";
    out += "\"";
    return out;
}

bool parseCount(std::string_view line, std::uint64_t& value) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() < '0' || line.front() > '9') return false;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    return ec == std::errc() && end == line.data() + line.size();
}

GridParse failure(std::string error) {
    GridParse result;
    result.error = "Tally grid : " + std::move(error);
    return result;
}

} // namespace

TextGrid::TextGrid(std::size_t columns, std::size_t rows)
    : columns_(columns), rows_(rows), cells_(columns * rows) {}

std::string gridToText(const TextGrid& grid) {
    std::string text;
    text += std::to_string(grid.columns());
    text += kLineEnd;
    text += std::to_string(grid.rows());
    text += kLineEnd;
    for (std::size_t c = 0; c < grid.columns(); ++c) {
        for (std::size_t r = 0; r < grid.rows(); ++r) {
            for (char ch : grid.cell(c, r)) text.push_back(ch == '\r' || ch == '\n' ? ' ' : ch);
            text += kLineEnd;
        }
    }
    return text;
}

GridParse gridFromText(std::string_view text, std::size_t maxCells) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() < 2) return failure("the text has no column and row counts");
    std::uint64_t columns = 0;
    std::uint64_t rows = 0;
    if (!parseCount(lines[0], columns)) return failure("the column count " + quoted(lines[0]) + " is not a number");
    if (!parseCount(lines[1], rows)) return failure("the row count " + quoted(lines[1]) + " is not a number");
    if (columns == 0 || rows == 0 || columns > maxCells || rows > maxCells || columns * rows > maxCells)
        return failure(std::to_string(columns) + " columns by " + std::to_string(rows) + " rows is out of range");
    const std::size_t cells = static_cast<std::size_t>(columns * rows);
    if (lines.size() - 2 < cells)
        return failure("the text ends after " + std::to_string(lines.size() - 2) + " of " +
                       std::to_string(cells) + " cells");

    GridParse result;
    result.grid = TextGrid(static_cast<std::size_t>(columns), static_cast<std::size_t>(rows));
    std::size_t line = 2;
    for (std::size_t c = 0; c < columns; ++c)
        for (std::size_t r = 0; r < rows; ++r) result.grid.setCell(c, r, std::string(lines[line++]));
    return result;
}

GridParse tallyGridFromText(std::string_view text) {
    GridParse result = gridFromText(text, kTallyColumns * kTallyMaxRows);
    if (!result.ok()) return result;
    if (result.grid.columns() != kTallyColumns)
        return failure("the grid has " + std::to_string(result.grid.columns()) + " columns instead of " +
                       std::to_string(kTallyColumns));
    return result;
}

} // namespace quadrino
