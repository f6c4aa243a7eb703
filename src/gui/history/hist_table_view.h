#pragma once

#include <QTableView>

namespace sarvo {

class HistTableModel;

// The history table's grid: five columns over a HistTableModel, the header row as the table's
// header, whole-row selection (several rows by dragging), horizontal grid lines only, a vertical
// scroll bar and no horizontal one, no editing; bold "Courier" 16 pixels high, navy text on the
// tooltip background. Its column widths are set by the main window's layout.
class HistTableView final : public QTableView {
    Q_OBJECT
public:
    explicit HistTableView(QWidget* parent = nullptr);

    HistTableModel* histModel() const { return model_; }

protected:
    // Hidden by the program (the window leaves the table), the table lets go of its rows: it is
    // filled again whenever it is shown. Hidden with its window, it keeps them.
    void hideEvent(QHideEvent* event) override;

private:
    HistTableModel* model_;
};

} // namespace sarvo
