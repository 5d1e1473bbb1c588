#ifndef LVIEWITEMACTION_H
#define LVIEWITEMACTION_H

#include <QAction>
#include <QPointer>

// An action shown at an edge of an LListView item; it may carry a widget.
class LViewItemAction : public QAction
{
    Q_OBJECT
public:
    explicit LViewItemAction(Qt::Alignment alignment = Qt::Alignment(), QObject *parent = nullptr);

    Qt::Alignment alignment() const { return m_alignment; }
    void setWidget(QWidget *widget) { m_widget = widget; }
    QWidget *widget() const { return m_widget; }

private:
    Qt::Alignment m_alignment;
    QPointer<QWidget> m_widget;
};

#endif // LVIEWITEMACTION_H
