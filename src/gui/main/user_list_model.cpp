#include "gui/main/user_list_model.h"

#include "core/store/records.h"
#include "core/text/text_forms.h"

#include <QColor>

namespace sarvo {

UserListModel::Person UserListModel::personOf(const UserSummary& user) {
    return {user.LN, user.FN, user.MN, user.UserNo, user.DosimeterId, QDate()};
}

UserListModel::UserListModel(QObject* parent) : QAbstractTableModel(parent) {}

int UserListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : personCount() + kEmptyRows;
}

int UserListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant UserListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= personCount())
        return {};
    const QDate& left = persons_[static_cast<size_t>(index.row())].left;
    if (role == Qt::ForegroundRole && left.isValid())
        return QColor(Qt::gray);
    if (role == Qt::ToolTipRole && left.isValid())
        return tr("Left on %1").arg(ValueFormats::system().date(left));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return index.column() == 0 ? nameCell(index.row()) : identifierCell(index.row());
}

QVariant UserListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= 2 || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return header_[static_cast<size_t>(section)];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags UserListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void UserListModel::setPersons(std::vector<Person> persons) {
    beginResetModel();
    persons_ = std::move(persons);
    endResetModel();
}

void UserListModel::setHeaderTexts(const QString& name, const QString& identifier) {
    header_ = {name, identifier};
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

QString UserListModel::nameCell(int row) const {
    if (row < 0 || row >= personCount())
        return {};
    const Person& person = persons_[static_cast<size_t>(row)];
    UserSummary user;
    user.LN = person.last;
    user.FN = person.first;
    user.MN = person.middle;
    return sarvo::nameCell(user);
}

QString UserListModel::identifierCell(int row) const {
    if (row < 0 || row >= personCount())
        return {};
    // Identifiers are shown as the command-line tool lists them, letters included.
    const std::int64_t identifier = persons_[static_cast<size_t>(row)].identifier;
    return identifier != 0 ? identifierDisplayText(identifier) : QString();
}

std::optional<std::int32_t> UserListModel::userNoOf(int row) const {
    if (row < 0 || row >= personCount())
        return std::nullopt;
    return persons_[static_cast<size_t>(row)].userNo;
}

} // namespace sarvo
