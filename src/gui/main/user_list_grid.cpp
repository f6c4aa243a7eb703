#include "gui/main/user_list_grid.h"

#include "gui/common/text_grid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace sarvo {

namespace {

// Draws a cell as usual, a horizontal grid line under it, and the green frame around the
// marked name cell.
class UserCellDelegate : public RowLineDelegate {
public:
    explicit UserCellDelegate(UserListGrid* grid) : RowLineDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        RowLineDelegate::paint(painter, option, index);
        if (index.column() == 0 && index.row() == grid_->highlightedRow()) {
            painter->save();
            // The pen runs inside the cell so that the neighbours do not paint over it.
            const int half = UserListGrid::kMarkWidth / 2;
            const QRect r = option.rect.adjusted(half, half, -half, -half);
            painter->setPen(QPen(UserListGrid::markColour(), UserListGrid::kMarkWidth,
                                 Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            const QPoint corners[5] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(),
                                       r.topLeft()};
            painter->drawPolyline(corners, 5);
            painter->restore();
        }
    }

private:
    UserListGrid* grid_;
};

} // namespace

QString UserListGrid::HeaderCell::text() const {
    return model_->headerData(column_, Qt::Horizontal).toString();
}

UserListGrid::UserListGrid(QWidget* parent) : QTableView(parent), model_(new UserListModel(this)) {
    setObjectName(QStringLiteral("StringGridUser"));
    setModel(model_);
    for (int column = 0; column < 2; ++column) {
        header_[static_cast<size_t>(column)].model_ = model_;
        header_[static_cast<size_t>(column)].column_ = column;
    }
    setItemDelegate(new UserCellDelegate(this));
    // Whole rows, whatever the style prefers.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    styleTextGrid(this, QStringLiteral("Courier New"), 19,
                  QToolTip::palette().color(QPalette::ToolTipText));
}

void UserListGrid::setPersons(std::vector<UserListModel::Person> persons) {
    model_->setPersons(std::move(persons));
}

void UserListGrid::setHeaderTexts(const QString& name, const QString& identifier) {
    model_->setHeaderTexts(name, identifier);
}

const UserListGrid::HeaderCell* UserListGrid::horizontalHeaderItem(int column) const {
    return column >= 0 && column < 2 ? &header_[static_cast<size_t>(column)] : nullptr;
}

int UserListGrid::selectedRow() const {
    const QModelIndexList rows =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    int top = -1;
    for (const QModelIndex& index : rows)
        if (top < 0 || index.row() < top)
            top = index.row();
    return top;
}

void UserListGrid::selectRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
}

QString UserListGrid::nameCell(int row) const {
    return model_->nameCell(row);
}

QString UserListGrid::identifierCell(int row) const {
    return model_->identifierCell(row);
}

std::vector<PersonListRow> UserListGrid::listRows() const {
    std::vector<PersonListRow> rows;
    rows.reserve(static_cast<size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        rows.push_back({nameCell(row), identifierCell(row)});
    return rows;
}

std::optional<std::int32_t> UserListGrid::userNoOf(int row) const {
    return model_->userNoOf(row);
}

int UserListGrid::rowOfUserNo(std::int32_t userNo, int preferred) const {
    if (userNoOf(preferred) == userNo)
        return preferred;
    for (int row = 0; row < model_->personCount(); ++row)
        if (model_->userNoOf(row) == userNo)
            return row;
    return -1;
}

void UserListGrid::setHighlight(int row) {
    highlight_ = row;
    if (row >= 0) {
        // The marked row goes to the top. Near the end of the list the view stops at its last
        // row, flush with the bottom, which cuts the top row: one row back, every row shown is
        // whole (the list ends with empty rows, so the marked one is still among them).
        executeDelayedItemsLayout();
        scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
        QScrollBar* bar = verticalScrollBar();
        if (rowViewportPosition(rowAt(0)) < 0 && bar->value() > bar->minimum())
            bar->setValue(bar->value() - 1);
    }
    viewport()->update();
}

void UserListGrid::moveHighlight(int row) {
    highlight_ = row;
    viewport()->update();
}

void UserListGrid::clearHighlight() {
    highlight_ = -1;
    viewport()->update();
}

void UserListGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
        event->accept();
        emit keyDown(event->key());
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

void UserListGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    emit clickedInList();
    emit mouseUp();
}

void UserListGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit doubleClickedInList();
}

} // namespace sarvo
