#ifndef DATALISTVIEW_H
#define DATALISTVIEW_H

#include <QList>
#include <QPoint>
#include <QTableView>
#include <QTimer>

class DataItemDelegate;
class DataModel;
class QAction;
class QLabel;
class QMenu;

/*
 * The table of installed applications: row buttons under the pointer with
 * their tool tips, the context menu with every action, and a centred notice
 * while the table is empty. Expects a DataModel as its model.
 */
class DataListView : public QTableView
{
    Q_OBJECT
public:
    explicit DataListView(QWidget *parent = nullptr);

    DataItemDelegate *dataDelegate() const { return m_delegate; }
    QLabel *emptyLabel() const { return m_emptyLabel; }
    void setEmptyLabelVisible(bool visible);
    // The context menu, null until it was first asked for.
    QMenu *contextMenu() const { return m_menu; }

public slots:
    void slotShowContextMenu(const QPoint &pos);
    void slotMenuTriggered(QAction *action);
    void slotShowTips();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setUpTable();
    void setUpEmptyLabel();
    void updateEmptyLabelColor();
    DataModel *dataModel() const;
    QMenu *createContextMenu();
    // The action of the row button at a viewport position, 0 for none.
    int buttonAt(const QPoint &pos) const;
    void setHoveredRow(int row);
    void updateButtonCell(int row);
    void runAction(int row, int action);

    DataItemDelegate *m_delegate;
    QLabel *m_emptyLabel;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_menuActions;
    QTimer m_tipTimer;
    QPoint m_pointer; // last pointer position over the viewport
    int m_previousHoveredRow = -1;
};

#endif // DATALISTVIEW_H
