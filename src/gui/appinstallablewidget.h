#ifndef APPINSTALLABLEWIDGET_H
#define APPINSTALLABLEWIDGET_H

#include <QModelIndex>
#include <QWidget>

class Appinstallablemainwidget;
class Appinstallablesubstackwidgt;
class Appinstallablesubwidget;
class QStackedWidget;
class WineCatalogue;

/*
 * The catalogue page: the application list on the left and, on the right,
 * a placeholder or the details of the chosen application. The same page
 * shows search results when given a name through showSearchResult(). Pages
 * given the same catalogue share its one request.
 */
class Appinstallablewidget : public QWidget
{
    Q_OBJECT
public:
    // Pages of the right side.
    enum RightPage { PlaceholderPage = 0, DetailPage = 1 };

    explicit Appinstallablewidget(WineCatalogue *catalogue = nullptr, QWidget *parent = nullptr);

    // Shows the catalogue row of exactly this name (an empty name ends the
    // search and lists the current category again).
    void showSearchResult(const QString &appName);

    QString searchName() const { return m_searchName; }
    Appinstallablemainwidget *mainWidget() const { return m_mainWidget; }
    // Null until the first application has been chosen.
    Appinstallablesubwidget *detailWidget() const { return m_detail; }
    QStackedWidget *rightStack() const { return m_stack; }

signals:
    void setLableText(const QString &appName);

public slots:
    void listWidgetClickedSlot(const QModelIndex &current, const QModelIndex &previous);
    void dropdownSlot();

private:
    Appinstallablesubwidget *detail();

    Appinstallablemainwidget *m_mainWidget;
    QStackedWidget *m_stack;
    Appinstallablesubstackwidgt *m_placeholder;
    Appinstallablesubwidget *m_detail = nullptr;
    QString m_searchName;
};

#endif // APPINSTALLABLEWIDGET_H
