#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sarvo {

struct UserSummary;

// The rows of the list of persons: one per record of the user file, in the file's order (row k is
// record k), then 29 empty rows. A row keeps the stored name bytes, the UserNo and the
// identifier of its record; the texts of its two cells are made when they are asked for. A person
// who left is shown grey, with the day in the tooltip; the texts of the cells stay the same.
class UserListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kEmptyRows = 29;

    struct Person {
        QByteArray last;
        QByteArray first;
        QByteArray middle;
        std::int32_t userNo = 0;
        std::int64_t identifier = 0;
        QDate left; // the day the person left (register data); invalid when not
    };
    // The row of a record as the list shows it (the dose-rate lines are not needed).
    static Person personOf(const UserSummary& user);

    explicit UserListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // All rows replaced at once (one reset of the model).
    void setPersons(std::vector<Person> persons);
    void setHeaderTexts(const QString& name, const QString& identifier);

    int personCount() const { return static_cast<int>(persons_.size()); }
    // The name cell " Last First Middle" and the identifier cell (empty for identifier 0) of a
    // row; empty for a row without a person.
    QString nameCell(int row) const;
    QString identifierCell(int row) const;
    std::optional<std::int32_t> userNoOf(int row) const;

private:
    std::vector<Person> persons_;
    std::array<QString, 2> header_;
};

} // namespace sarvo
