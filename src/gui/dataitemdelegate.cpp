#include "dataitemdelegate.h"

#include "datamodel.h"
#include "licontheme.h"
#include "plaintext.h"
#include "starrating.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QJsonObject>
#include <QPainter>
#include <QToolTip>

#include <array>

namespace {

const std::array<int, DataModel::ColumnCount> ColumnWidths = {211, 104, 98, 106, 131, 200};

// Icon and name of the first column.
constexpr int IconLeft = 10;
constexpr int IconTop = 12;
constexpr int IconSize = 24;
constexpr int NameLeft = 44;
constexpr int NameBaseline = 30;
constexpr int NameWidth = 160;

// Score stars, aligned with the texts of the other columns.
constexpr int StarLeft = 4;
constexpr int StarTop = 18;
constexpr int StarSize = 12;
constexpr int StarPitch = 13;

// Row buttons, laid out from the right edge of the cell.
constexpr int ButtonRightMargin = 10;
constexpr int ButtonSpacing = 10;

} // namespace

DataItemDelegate::DataItemDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

int DataItemDelegate::columnWidth(int column)
{
    return column >= 0 && column < int(ColumnWidths.size()) ? ColumnWidths.at(size_t(column)) : 0;
}

const QList<int> &DataItemDelegate::buttonActions()
{
    static const QList<int> actions = {DataModel::ActionStart, DataModel::ActionInstallDir,
                                       DataModel::ActionLogInfo};
    return actions;
}

QRect DataItemDelegate::buttonRect(const QRect &cell, int action)
{
    // k buttons (with their spacing) lie between this button's left edge
    // and the cell's right margin.
    const int k = buttonActions().size() - buttonActions().indexOf(action);
    if (k > buttonActions().size())
        return QRect();
    const int left = cell.x() + cell.width() - ButtonRightMargin
                     - k * (ButtonIconSize + ButtonSpacing);
    const int top = cell.y() + (cell.height() - ButtonIconSize) / 2;
    return QRect(left, top, ButtonIconSize, ButtonIconSize);
}

int DataItemDelegate::buttonAt(const QRect &cell, const QPoint &pos)
{
    for (int action : buttonActions()) {
        if (buttonRect(cell, action).contains(pos))
            return action;
    }
    return 0;
}

QString DataItemDelegate::actionIconName(int action)
{
    switch (action) {
    case DataModel::ActionStart:
        return QStringLiteral("lw_startapp");
    case DataModel::ActionManualRun:
        return QStringLiteral("lw_manulrun");
    case DataModel::ActionInstallDir:
        return QStringLiteral("lw_installpath");
    case DataModel::ActionLogInfo:
        return QStringLiteral("lw_loginfo");
    case DataModel::ActionUninstall:
        return QStringLiteral("lw_unstall");
    default:
        return QString();
    }
}

QSize DataItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    return QSize(columnWidth(index.column()), RowHeight);
}

void DataItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const bool withButtons = index.column() == DataModel::ColumnAuthor
                             && index.row() == m_hoveredRow;
    paintDefault(painter, option, index, withButtons);

    switch (index.column()) {
    case DataModel::ColumnName:
        paintName(painter, option, index);
        break;
    case DataModel::ColumnScore: {
        const QJsonObject value = index.data().toJsonObject();
        if (value.contains(QLatin1String("score")))
            paintScore(painter, option.rect, value.value(QLatin1String("score")).toDouble());
        break;
    }
    case DataModel::ColumnAuthor:
        if (withButtons)
            paintButtons(painter, option.rect);
        break;
    default:
        break;
    }
}

void DataItemDelegate::paintDefault(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index, bool withButtons) const
{
    if (index.row() % 2 == 1)
        painter->fillRect(option.rect, option.palette.brush(QPalette::AlternateBase));
    if (!withButtons) {
        QItemDelegate::paint(painter, option, index);
        return;
    }
    // The author's name ends before the buttons instead of under them.
    drawBackground(painter, option, index);
    QStyleOptionViewItem textOption(option);
    textOption.rect.setRight(buttonRect(option.rect, buttonActions().constFirst()).left()
                             - ButtonSpacing);
    QItemDelegate::paint(painter, textOption, index);
}

void DataItemDelegate::paintName(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const QJsonObject value = index.data().toJsonObject();
    const QRect &cell = option.rect;
    const QRect iconRect(cell.x() + IconLeft, cell.y() + IconTop, IconSize, IconSize);
    cachedIcon(value.value(QLatin1String("icon")).toString()).paint(painter, iconRect);

    const QString name = elidedName(option.fontMetrics, appName(index));
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(cell.x() + NameLeft, cell.y() + NameBaseline), name);
    painter->restore();
}

QString DataItemDelegate::appName(const QModelIndex &index)
{
    return index.data().toJsonObject().value(QLatin1String("appName")).toString();
}

QString DataItemDelegate::elidedName(const QFontMetrics &metrics, const QString &name)
{
    return metrics.elidedText(PlainText::bounded(name), Qt::ElideRight, NameWidth);
}

bool DataItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || index.column() != DataModel::ColumnName)
        return QItemDelegate::helpEvent(event, view, option, index);
    const QString name = appName(index);
    if (elidedName(option.fontMetrics, name) == name) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), PlainText::toolTip(name), view->viewport(), option.rect);
    return true;
}

void DataItemDelegate::paintScore(QPainter *painter, const QRect &cell, double score) const
{
    const QList<StarRating::Star> stars = StarRating::stars(score, StarRating::FromOneStar);
    for (int i = 0; i < stars.size(); ++i) {
        const QIcon star = cachedIcon(LIconTheme::builtinPrefix()
                                      + StarRating::fileName(stars.at(i)));
        star.paint(painter, QRect(cell.x() + StarLeft + i * StarPitch, cell.y() + StarTop, StarSize,
                                  StarSize));
    }
}

void DataItemDelegate::paintButtons(QPainter *painter, const QRect &cell) const
{
    for (int action : buttonActions()) {
        const QString path = LIconTheme::resourcePath(actionIconName(action));
        cachedIcon(path).paint(painter, buttonRect(cell, action));
    }
}

QIcon DataItemDelegate::cachedIcon(const QString &path) const
{
    auto it = m_icons.constFind(path);
    if (it == m_icons.constEnd())
        it = m_icons.insert(path, LIconTheme::fileIcon(path));
    return it.value();
}
