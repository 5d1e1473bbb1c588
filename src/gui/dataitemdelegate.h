#ifndef DATAITEMDELEGATE_H
#define DATAITEMDELEGATE_H

#include <QHash>
#include <QIcon>
#include <QItemDelegate>
#include <QList>

/*
 * Paints the installed-apps table: icon and name, the score as stars, and
 * on the hovered row the action buttons over the last column. Odd rows get
 * the alternate background.
 */
class DataItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 48;
    static constexpr int ButtonIconSize = 16;

    explicit DataItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A name cut short in its cell shows whole in a tool tip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    static int columnWidth(int column);

    // The row whose buttons are shown, -1 for none.
    int hoveredRow() const { return m_hoveredRow; }
    void setHoveredRow(int row) { m_hoveredRow = row; }

    // The actions that have a button, from left to right, and where each
    // button lies in a cell of the last column.
    static const QList<int> &buttonActions();
    static QRect buttonRect(const QRect &cell, int action);
    // The action of the button under pos, 0 when there is none.
    static int buttonAt(const QRect &cell, const QPoint &pos);
    // The theme icon name of an action's button or menu entry.
    static QString actionIconName(int action);

private:
    // The item's own painting over the row background; beside the buttons
    // when they are shown.
    void paintDefault(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index, bool withButtons) const;
    void paintName(QPainter *painter, const QStyleOptionViewItem &option,
                   const QModelIndex &index) const;
    static QString appName(const QModelIndex &index);
    static QString elidedName(const QFontMetrics &metrics, const QString &name);
    void paintScore(QPainter *painter, const QRect &cell, double score) const;
    void paintButtons(QPainter *painter, const QRect &cell) const;
    // Icons are read once per path; painting happens at every hover move.
    QIcon cachedIcon(const QString &path) const;

    mutable QHash<QString, QIcon> m_icons;
    int m_hoveredRow = -1;
};

#endif // DATAITEMDELEGATE_H
