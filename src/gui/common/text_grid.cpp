#include "gui/common/text_grid.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QToolTip>

namespace sarvo {

void styleTextGrid(QTableView* grid, const QString& fontFamily, int pixelSize,
                   const QColor& textColour) {
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);

    QFont font(fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    grid->setFont(font);
    header->setFont(font);
    // Fixed row heights: the view never measures the rows' contents.
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);

    QPalette colours = grid->palette();
    const QColor tooltip = QToolTip::palette().color(QPalette::ToolTipBase);
    colours.setColor(QPalette::Base, tooltip);
    colours.setColor(QPalette::AlternateBase, tooltip);
    colours.setColor(QPalette::Text, textColour);
    grid->setPalette(colours);
}

void RowLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

} // namespace sarvo
