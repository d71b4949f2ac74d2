#include "windows/Aligrid.h"

#include <gtest/gtest.h>

// Rows 1.. are data below the header row 0; rows move whole, with their data and alignment.
TEST(Aligrid, InsertRemoveAndAlignmentKeepRowsWhole) {
    TStringAlignGrid grid(2);
    grid.SetColumnAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    grid.SetCells(0, 0, "Head");
    grid.SetRowCount(3);
    grid.SetCells(0, 1, "a");
    grid.SetCells(0, 2, "c");
    grid.SetCells(1, 2, "9");
    grid.SetRowData(2, 42);
    grid.InsertRow(2);
    grid.SetCells(0, 2, "b");
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 0), "Head");
    EXPECT_EQ(grid.Cells(0, 3), "c");
    EXPECT_EQ(grid.RowData(3).toInt(), 42);
    EXPECT_EQ(grid.item(2, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(grid.horizontalHeaderItem(0)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));

    int selected = 0;
    grid.OnSelectCell = [&](int, int row) { selected = row; };
    grid.SetRow(3);
    EXPECT_EQ(selected, 3);
    grid.RemoveRow(3);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Row(), 2) << "the new last row";
    grid.RemoveRow(1);
    grid.RemoveRow(1);
    EXPECT_EQ(grid.RowCount(), 2) << "the last data row stays";
    EXPECT_EQ(grid.Cells(0, 1), "b");
}
