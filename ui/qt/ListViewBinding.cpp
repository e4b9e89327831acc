#include "ui/qt/ListViewBinding.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <optional>

#include "ui/qt/QtText.h"

namespace lanvane {

namespace {

Qt::Alignment AlignmentOf(ColumnAlign align) {
    switch (align) {
    case ColumnAlign::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

std::optional<RowKey> RowKeyOf(int key) {
    switch (key) {
    case Qt::Key_Up: return RowKey::Up;
    case Qt::Key_Down: return RowKey::Down;
    case Qt::Key_Home: return RowKey::Home;
    case Qt::Key_End: return RowKey::End;
    default: return std::nullopt;
    }
}

}  // namespace

ListViewBinding::ListViewBinding(ListView& list, QTableWidget& widget, const DialogUnits& units,
                                 WindowHost& host)
    : RowsBinding(list, widget, host), list_(list), widget_(widget), units_(units) {
    widget_.verticalHeader()->hide();
    widget_.verticalHeader()->setDefaultSectionSize(widget_.fontMetrics().height() + 4);
    widget_.horizontalHeader()->setHighlightSections(false);
    widget_.horizontalHeader()->setStretchLastSection(false);
    widget_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_.setWordWrap(false);
    widget_.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    widget_.setSelectionMode(list_.HasStyle(style::kSingleSelection) ? QAbstractItemView::SingleSelection
                                                                     : QAbstractItemView::MultiSelection);
    widget_.setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the list, as in the classic control; the arrows move between rows.
    widget_.setTabKeyNavigation(false);
    widget_.viewport()->installEventFilter(this);
    widget_.installEventFilter(this);
}

Qt::Alignment ListViewBinding::ColumnAlignment(int column) const {
    const auto& columns = list_.Columns();
    return column < static_cast<int>(columns.size()) ? AlignmentOf(columns[static_cast<std::size_t>(column)].align)
                                                     : Qt::AlignLeft | Qt::AlignVCenter;
}

void ListViewBinding::SyncColumns() {
    const auto& columns = list_.Columns();
    widget_.setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const ListColumn& column : columns) {
        titles.append(ToQString(column.title));
    }
    widget_.setHorizontalHeaderLabels(titles);
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        widget_.setColumnWidth(column, units_.ClassicPixels(columns[static_cast<std::size_t>(column)].width));
        if (QTableWidgetItem* header = widget_.horizontalHeaderItem(column)) {
            header->setTextAlignment(ColumnAlignment(column));
        }
    }
    WidenColumns();
}

// A width the window gives is a least width: a header or cell that needs more, in a longer
// language or a wider font, gets it, so that no text is cut off.
void ListViewBinding::WidenColumns() {
    const QAbstractItemView& view = widget_;  // the hint is public on the base class
    for (int column = 0; column < widget_.columnCount(); ++column) {
        const int needed = std::max(widget_.horizontalHeader()->sectionSizeHint(column), view.sizeHintForColumn(column));
        if (widget_.columnWidth(column) < needed) {
            widget_.setColumnWidth(column, needed);
        }
    }
}

void ListViewBinding::SyncFlags() {
    widget_.setShowGrid(list_.HasGridLines());
    widget_.setSelectionBehavior(list_.IsFullRowSelect() ? QAbstractItemView::SelectRows
                                                         : QAbstractItemView::SelectItems);
    SyncAllStates();
}

// Rows come and go one at a time; anything else is copied whole.
int ListViewBinding::ModelRows() const { return list_.GetItemCount(); }

int ListViewBinding::ShownRows() const { return widget_.rowCount(); }

void ListViewBinding::InsertShownRow(int row) { widget_.insertRow(row); }

void ListViewBinding::RemoveShownRow(int row) { widget_.removeRow(row); }

void ListViewBinding::ShowRows(int count) { widget_.setRowCount(count); }

void ListViewBinding::SyncRowCells(int row) {
    if (row < 0 || row >= widget_.rowCount()) {
        return;
    }
    for (int column = 0; column < widget_.columnCount(); ++column) {
        const QString text = ToQString(list_.GetItemText(row, column));
        QTableWidgetItem* item = widget_.item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem();
            item->setTextAlignment(ColumnAlignment(column));
            widget_.setItem(row, column, item);
        }
        if (item->text() != text) {
            item->setText(text);
        }
    }
}

void ListViewBinding::SyncRowState(int row) {
    if (row < 0 || row >= widget_.rowCount()) {
        return;
    }
    QItemSelectionModel* selection = widget_.selectionModel();
    const QModelIndex first = widget_.model()->index(row, 0);
    const auto rowsOrItem = list_.IsFullRowSelect() ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    const bool selected = list_.GetItemState(row, item_state::kSelected) != 0;
    selection->select(first, (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | rowsOrItem);
    if (list_.GetItemState(row, item_state::kFocused) != 0) {
        selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    }
}

void ListViewBinding::SyncAllStates() {
    widget_.selectionModel()->clearSelection();
    for (int row = 0; row < widget_.rowCount(); ++row) {
        SyncRowState(row);
    }
}

bool ListViewBinding::TakeKey(int key) {
    const std::optional<RowKey> rowKey = RowKeyOf(key);
    const int next = rowKey ? list_.RowAfterKey(*rowKey) : -1;
    if (next < 0) {
        return false;
    }
    UserAction([this, next] { list_.UserClickRow(next); });
    return true;
}

bool ListViewBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_.viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = widget_.indexAt(mouse->position().toPoint()).row();
        UserAction([this, row] { list_.UserClickRow(row); });
        return true;
    }
    if (watched == &widget_ && event->type() == QEvent::KeyPress) {
        return TakeKey(static_cast<QKeyEvent*>(event)->key());
    }
    return false;
}

}  // namespace lanvane
