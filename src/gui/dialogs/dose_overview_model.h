#pragma once

#include "core/store/dose_overview.h"

#include <QAbstractTableModel>
#include <QColor>
#include <cstdint>

class QSortFilterProxyModel;

namespace sarvo {

// The rows of the dose overview: one per person of a DoseOverview, in the file's order. Cells
// show the program's text forms (doses in mSv, the locale's dates); the sort role gives numbers
// as numbers and dates as dates, so that a proxy sorts them so; the search role holds the texts
// the search field looks in (name, department, dosimeter).
class DoseOverviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        Department,
        Dosimeter,
        Ed,
        YearDose,
        Rolling12,
        FiveYear,
        Pending,
        Share,
        LastReading,
        DaysSince,
        Overdue,
        Status,
        ColumnCount
    };
    enum Role {
        SortRole = Qt::UserRole + 1,
        SearchRole,       // name, department and dosimeter, one per line (any column)
        StatusRole,       // the person's DoseStatus as an int (any column)
        UserNoRole,       // the person's UserNo (any column)
        StatusColourRole, // the colour of the person's status (any column)
        ShareRole,        // the share of the annual limit, 1.0 = the limit (any column)
    };

    explicit DoseOverviewModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // All rows replaced at once (one reset of the model).
    void setOverview(DoseOverview overview);
    const DoseOverview& overview() const { return overview_; }
    const PersonDoses& person(int row) const { return overview_.persons[row]; }
    // The row of the person with `userNo`, -1 when none.
    int rowOfUserNo(std::int32_t userNo) const;
    // The text of a cell as shown.
    QString cellText(int row, int column) const;
    // The language changed: every text is asked for again.
    void retranslate();

    // Sets up a proxy for this model: it sorts by SortRole and keeps the rows whose name,
    // department or dosimeter holds the proxy's filter text (setFilterFixedString), whatever the
    // case.
    static void configureProxy(QSortFilterProxyModel& proxy);

    // The colour of a status: ok green, investigation amber, limit red; and the lighter tint of
    // a row of that status, under black text.
    static QColor statusColour(DoseStatus status);
    static QColor rowColour(DoseStatus status);

private:
    QVariant sortValue(const PersonDoses& person, int column) const;

    DoseOverview overview_;
};

} // namespace sarvo
