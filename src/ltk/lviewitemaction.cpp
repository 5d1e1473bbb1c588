#include "lviewitemaction.h"

LViewItemAction::LViewItemAction(Qt::Alignment alignment, QObject *parent)
    : QAction(parent)
    , m_alignment(alignment)
{
}
