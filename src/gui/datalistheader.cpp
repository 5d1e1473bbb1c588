#include "datalistheader.h"

#include "dataitemdelegate.h"

DataListHeader::DataListHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setFixedHeight(DataItemDelegate::RowHeight);
}

QSize DataListHeader::sectionSizeFromContents(int logicalIndex) const
{
    return QSize(sectionSize(logicalIndex), DataItemDelegate::RowHeight);
}
