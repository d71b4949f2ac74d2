#pragma once
// TStringAlignGrid: a grid of texts addressed by column and row, row 0 the fixed header (the
// table's horizontal header), rows 1 .. RowCount() - 1 the data. Adds row insertion and
// removal, a sort by one column and an alignment per column. Cells are never edited in place.
#include <QTableWidget>

#include <functional>
#include <vector>

class TStringAlignGrid : public QTableWidget {
  public:
    explicit TStringAlignGrid(int columns, QWidget* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    int RowCount() const { return rowCount() + 1; }
    // Rows beyond the new count go; new rows are empty. At least one data row stays.
    void SetRowCount(int count);

    int Col() const { return currentColumn(); }
    int Row() const { return currentRow() + 1; }
    // Moves the current cell; a move to another cell fires OnSelectCell.
    void SetRow(int row);
    // Fired when the current cell moves by mouse, keyboard or SetRow, with the new cell.
    std::function<void(int col, int row)> OnSelectCell;
    // Asked before the current row is left by mouse, keyboard or SetRow; false keeps it.
    std::function<bool()> MayLeaveRow;

    // One more row at r (r at most RowCount()); r and the rows below move down one place.
    void InsertRow(int r);
    // Data row r goes and the rows below move up; the last data row is never removed.
    void RemoveRow(int r);
    // Rows 1 .. RowCount() - 1 in the byte order of column c's Windows-1252 text; every row
    // moves whole, with its data.
    void SortByColumn(int c);

    void SetColumnAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int col) const;

    // A value carried by a data row wherever it moves, empty when none was set.
    QVariant RowData(int row) const;
    void SetRowData(int row, const QVariant& data);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString& search) override;

  private:
    // Whether the current row may be left for `row` (0-based, as the table counts).
    bool mayMoveTo(int row);
    QTableWidgetItem* itemAt(int col, int row);
    void swapRows(int a, int b);
    std::vector<Qt::Alignment> alignments_;
};
