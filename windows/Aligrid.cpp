#include "windows/Aligrid.h"

#include "editor/RowSort.h"
#include "sky/Ansi.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {
constexpr int kRowData = Qt::UserRole;
}

TStringAlignGrid::TStringAlignGrid(int columns, QWidget* parent)
    : QTableWidget(1, columns, parent),
      alignments_(static_cast<std::size_t>(columns), Qt::AlignLeft | Qt::AlignVCenter) {
    for (int c = 0; c < columns; ++c) {
        auto* header = new QTableWidgetItem;
        header->setTextAlignment(ColumnAlignment(c));
        setHorizontalHeaderItem(c, header);
    }
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int oldRow, int oldCol) {
                if (row >= 0 && (row != oldRow || col != oldCol) && OnSelectCell)
                    OnSelectCell(col, row + 1);
            });
}

QString TStringAlignGrid::Cells(int col, int row) const {
    const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it ? it->text() : QString();
}

QTableWidgetItem* TStringAlignGrid::itemAt(int col, int row) {
    if (row == 0)
        return horizontalHeaderItem(col);
    QTableWidgetItem* it = item(row - 1, col);
    if (!it && row >= 1 && row < RowCount() && col >= 0 && col < columnCount()) {
        it = new QTableWidgetItem;
        it->setTextAlignment(ColumnAlignment(col));
        setItem(row - 1, col, it);
    }
    return it;
}

void TStringAlignGrid::SetCells(int col, int row, const QString& text) {
    if (QTableWidgetItem* it = itemAt(col, row))
        it->setText(text);
}

void TStringAlignGrid::SetRowCount(int count) {
    const QSignalBlocker quiet(this);
    setRowCount(std::max(count, 2) - 1);
}

void TStringAlignGrid::SetRow(int row) {
    if (row >= 1 && row < RowCount() && mayMoveTo(row - 1))
        setCurrentCell(row - 1, std::max(Col(), 0));
}

bool TStringAlignGrid::mayMoveTo(int row) {
    return row == currentRow() || !MayLeaveRow || MayLeaveRow();
}

void TStringAlignGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex to = indexAt(event->position().toPoint());
    if (to.isValid() && !mayMoveTo(to.row())) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TStringAlignGrid::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex to = indexAt(event->position().toPoint());
    if ((event->buttons() & Qt::LeftButton) && to.isValid() && !mayMoveTo(to.row())) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

QModelIndex TStringAlignGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex to = QTableWidget::moveCursor(action, modifiers);
    return to.isValid() && !mayMoveTo(to.row()) ? currentIndex() : to;
}

void TStringAlignGrid::keyboardSearch(const QString& search) {
    // The search may land on any row.
    if (!MayLeaveRow || MayLeaveRow())
        QTableWidget::keyboardSearch(search);
}

void TStringAlignGrid::InsertRow(int r) {
    const QSignalBlocker quiet(this);
    insertRow(std::clamp(r, 1, RowCount()) - 1);
}

void TStringAlignGrid::RemoveRow(int r) {
    if (r < 1 || r >= RowCount() || RowCount() <= 2)
        return;
    const QSignalBlocker quiet(this);
    const int col = std::max(Col(), 0);
    removeRow(r - 1);
    // The row that followed the removed one becomes current, or the new last row.
    setCurrentCell(std::min(r, RowCount() - 1) - 1, col);
}

void TStringAlignGrid::swapRows(int a, int b) {
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* x = takeItem(a - 1, c);
        QTableWidgetItem* y = takeItem(b - 1, c);
        setItem(a - 1, c, y);
        setItem(b - 1, c, x);
    }
}

void TStringAlignGrid::SortByColumn(int c) {
    if (c < 0 || c >= columnCount())
        return;
    const QSignalBlocker quiet(this);
    const int current = Row();
    const int col = Col();
    QuickSortRows(
        1, RowCount() - 1,
        [this, c](int row) {
            const std::string utf8 = Cells(c, row).toStdString();
            // A text the code page cannot hold sorts by its UTF-8 bytes.
            return Utf8ToAnsi(utf8).value_or(utf8);
        },
        [this](int a, int b) { swapRows(a, b); });
    setCurrentCell(current - 1, col);
}

void TStringAlignGrid::SetColumnAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= columnCount())
        return;
    alignments_[static_cast<std::size_t>(col)] = alignment;
    horizontalHeaderItem(col)->setTextAlignment(alignment);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col))
            it->setTextAlignment(alignment);
}

Qt::Alignment TStringAlignGrid::ColumnAlignment(int col) const {
    return col >= 0 && col < columnCount() ? alignments_[static_cast<std::size_t>(col)]
                                           : Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant TStringAlignGrid::RowData(int row) const {
    const QTableWidgetItem* it = row >= 1 ? item(row - 1, 0) : nullptr;
    return it ? it->data(kRowData) : QVariant();
}

void TStringAlignGrid::SetRowData(int row, const QVariant& data) {
    if (QTableWidgetItem* it = row >= 1 ? itemAt(0, row) : nullptr)
        it->setData(kRowData, data);
}
