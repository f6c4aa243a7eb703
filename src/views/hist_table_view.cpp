#include "views/hist_table_view.h"

#include "views/hist_table_model.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace sarvo {

namespace {

// Draws a cell as usual and a horizontal grid line under it.
class RowLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

HistTableView::HistTableView(QWidget* parent)
    : QTableView(parent), model_(new HistTableModel(this)) {
    setObjectName(QStringLiteral("StringGridHist"));
    setModel(model_);
    setItemDelegate(new RowLineDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);

    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPixelSize(16);
    setFont(font);
    horizontalHeader()->setFont(font);
    // Fixed row heights: the view never measures the rows' contents.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);

    QPalette colours = palette();
    const QColor tooltip = QToolTip::palette().color(QPalette::ToolTipBase);
    colours.setColor(QPalette::Base, tooltip);
    colours.setColor(QPalette::AlternateBase, tooltip);
    colours.setColor(QPalette::Text, QColor(Qt::darkBlue));
    setPalette(colours);
}

} // namespace sarvo
