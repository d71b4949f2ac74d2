#include "editor/RowSort.h"

#include <algorithm>

namespace {

// Byte order by character code, whatever the sign of char.
int compareBytes(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < n; ++k) {
        const auto x = static_cast<unsigned char>(a[k]);
        const auto y = static_cast<unsigned char>(b[k]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

} // namespace

void QuickSortRows(int lo, int hi, const std::function<std::string(int)>& text,
                   const std::function<void(int, int)>& swap) {
    while (lo < hi) {
        const std::string pivot = text(lo + (hi - lo) / 2);
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (compareBytes(text(i), pivot) < 0)
                ++i;
            while (compareBytes(text(j), pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    swap(i, j);
                ++i;
                --j;
            }
        }
        // The smaller part by recursion, the larger by the loop: the depth stays logarithmic.
        if (j - lo < hi - i) {
            QuickSortRows(lo, j, text, swap);
            lo = i;
        } else {
            QuickSortRows(i, hi, text, swap);
            hi = j;
        }
    }
}
