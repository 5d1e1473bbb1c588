#ifndef SEARCHWIDGET_H
#define SEARCHWIDGET_H

#include "lsearchedit.h"

class QCompleter;
class WineGetAppList;

/*
 * The search field of the main window: completes what the user types
 * against the catalogue's application names and reports the name the user
 * settles on.
 */
class SearchWidget : public LSearchEdit
{
    Q_OBJECT
public:
    explicit SearchWidget(QWidget *parent = nullptr);

    QCompleter *completer() const { return m_completer; }
    WineGetAppList *appList() const { return m_appList; }

signals:
    void sendSearchResult(const QString &appName);

public slots:
    void onCompleterActivated(const QString &value);
    void initAppList();

private:
    void onTextChanged(const QString &text);
    void onReturnPressed();
    // The completion that Return chooses for the typed text, empty for none.
    QString completionFor(const QString &typed) const;
    void report(const QString &name);

    WineGetAppList *m_appList;
    QCompleter *m_completer = nullptr;
    QString m_lastText;
    QString m_answered; // reported during the current event
};

#endif // SEARCHWIDGET_H
