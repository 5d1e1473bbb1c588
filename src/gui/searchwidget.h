#ifndef SEARCHWIDGET_H
#define SEARCHWIDGET_H

#include "lsearchedit.h"

class QCompleter;
class WineCatalogue;

/*
 * The search field of the main window: completes what the user types
 * against the catalogue's application names and reports the name the user
 * settles on. The names come from the shared catalogue, and again each time
 * it is loaded anew.
 */
class SearchWidget : public LSearchEdit
{
    Q_OBJECT
public:
    // Without a catalogue the field loads one of its own.
    explicit SearchWidget(WineCatalogue *catalogue = nullptr, QWidget *parent = nullptr);

    QCompleter *completer() const { return m_completer; }
    WineCatalogue *catalogue() const { return m_catalogue; }

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

    WineCatalogue *m_catalogue;
    QCompleter *m_completer = nullptr;
    QString m_lastText;
    QString m_answered; // reported during the current event
};

#endif // SEARCHWIDGET_H
