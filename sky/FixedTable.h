#pragma once
#include "sky/Errors.h"

#include <array>

// A fixed table indexed from 1 whose every access is bound-checked: a broken bound raises the
// range error instead of touching memory outside the table.
template <typename T, int N> class FixedTable {
  public:
    static constexpr int size() { return N; }
    T& at(int slot) {
        check(slot);
        return items_[static_cast<std::size_t>(slot - 1)];
    }
    const T& at(int slot) const {
        check(slot);
        return items_[static_cast<std::size_t>(slot - 1)];
    }
    void clear() { items_.fill(T{}); }

  private:
    static void check(int slot) {
        if (slot < 1 || slot > N)
            throw RangeError();
    }
    std::array<T, N> items_{};
};
