#pragma once

#include "core/text/print_listings.h"
#include "gui/main/user_list_model.h"

#include <QTableView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sarvo {

// The list of persons: two columns (name cell, identifier), the header row as the table's
// header, whole-row selection, horizontal grid lines only, no editing. Rows hold the persons
// in the user file's order (table row k is record k) and end with 29 empty rows; each person
// row remembers the UserNo of the record it was filled from. While the highlight mark is set,
// the name cell of the marked record carries a green frame 4 pixels wide. The rows live in a
// UserListModel, replaced as a whole by each fill; cell texts are made only when drawn.
class UserListGrid final : public QTableView {
    Q_OBJECT
public:
    // A cell of the header row.
    class HeaderCell {
    public:
        QString text() const;

    private:
        friend class UserListGrid;
        const UserListModel* model_ = nullptr;
        int column_ = 0;
    };

    explicit UserListGrid(QWidget* parent = nullptr);

    // The persons (29 empty rows follow them).
    void setPersons(std::vector<UserListModel::Person> persons);
    void setHeaderTexts(const QString& name, const QString& identifier);
    const HeaderCell* horizontalHeaderItem(int column) const;
    // All rows, empty ones included.
    int rowCount() const { return model_->rowCount(); }
    // The row of the current cell, -1 when none.
    int currentRow() const { return currentIndex().row(); }

    // The first selected row (the top one of a range), -1 when none.
    int selectedRow() const;
    void selectRow(int row);
    // The name cell of a row; empty for a row without a person or outside the list.
    QString nameCell(int row) const;
    QString identifierCell(int row) const;
    // Every row as shown (name cell and identifier cell), empty rows included.
    std::vector<PersonListRow> listRows() const;
    // The UserNo of the record a row was filled from; nothing for a row without a person.
    std::optional<std::int32_t> userNoOf(int row) const;
    // The row filled from the record with `userNo`: `preferred` when it is one of them (a
    // damaged file may hold a UserNo twice), otherwise the first; -1 when no row is.
    int rowOfUserNo(std::int32_t userNo, int preferred = -1) const;

    // The highlight mark: the record index of the last-read person, or -1 when off.
    int highlightedRow() const { return highlight_; }
    // Sets the mark and scrolls its row to the top, or as near as the end of the list allows;
    // the rows shown, the marked one among them, are whole.
    void setHighlight(int row);
    void clearHighlight();
    // The mark moved to another row (the person's new place after a refill), without scrolling.
    void moveHighlight(int row);

    static QColor markColour() { return QColor(0, 128, 0); }
    static constexpr int kMarkWidth = 4;

signals:
    // Enter, F2, F3 or F4 pressed in the list.
    void keyDown(int key);
    // A mouse click anywhere in the list, then the release of the button.
    void clickedInList();
    void mouseUp();
    void doubleClickedInList();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    UserListModel* model_;
    std::array<HeaderCell, 2> header_;
    int highlight_ = -1;
};

} // namespace sarvo
