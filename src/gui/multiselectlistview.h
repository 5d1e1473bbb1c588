#ifndef MULTISELECTLISTVIEW_H
#define MULTISELECTLISTVIEW_H

#include "llistview.h"

#include <QList>
#include <QPersistentModelIndex>

#include <functional>

class QLabel;
class QTimer;

/*
 * The catalogue list: a toolkit list view that reports changes of its
 * current item, shows a text when it has nothing to list, and gives rows
 * widgets only while they are in sight: a row gets its widget when it
 * scrolls into view and loses it (and whatever the widget was fetching) when
 * it scrolls out, so that a long catalogue costs one widget per visible row.
 */
class MultiSelectListView : public LListView
{
    Q_OBJECT
public:
    // Makes the widget shown in a row; called once per row, when it shows.
    using RowWidgetFactory = std::function<QWidget *(const QModelIndex &index)>;

    explicit MultiSelectListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void setRowWidgetFactory(const RowWidgetFactory &factory);

    void setEmptyText(const QString &text);
    QString emptyText() const;
    void setEmptyTextVisible(bool visible);
    bool isEmptyTextVisible() const;

    // Creates the widgets of the rows now in sight and releases those of
    // rows out of sight (otherwise done on the next pass of the event loop
    // after a change).
    void createVisibleRowWidgets();
    // Rows whose widget exists.
    int rowWidgetCount() const;

signals:
    void currentChanges(const QModelIndex &current, const QModelIndex &previous);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void updateGeometries() override;

private:
    void scheduleRowWidgets();
    void placeEmptyText();
    void releaseRowWidgetsOutside(const QRect &visible);

    RowWidgetFactory m_factory;
    QLabel *m_emptyText;
    QTimer *m_rowWidgetTimer;
    QList<QPersistentModelIndex> m_widgetRows; // rows that have a widget
};

#endif // MULTISELECTLISTVIEW_H
