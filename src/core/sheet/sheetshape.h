// The shape of a sheet, on screen and on paper: 20 questions standing in lines of 4, read line by line.
#pragma once

namespace SheetShape {

inline constexpr int rowsPerSheet = 20; // the question rows of a sheet
inline constexpr int rowsPerLine = 4;

// Where a question row stands: its line from the top and its column from the left, both counted from 0.
struct Cell
{
    int line = 0;
    int column = 0;
};

// The cell of the row at index (0 for the first question; the window's control arrays count it as row 1).
constexpr Cell cellOf(int index)
{
    return {index / rowsPerLine, index % rowsPerLine};
}

} // namespace SheetShape
