#pragma once
// The grid's sort: a quicksort of rows lo..hi on one text per row, compared byte by byte, the
// pivot taken from the middle row. The rows live elsewhere: the sort reads each row's text and
// asks for two rows to be swapped.
#include <functional>
#include <string>

void QuickSortRows(int lo, int hi, const std::function<std::string(int)>& text,
                   const std::function<void(int, int)>& swap);
