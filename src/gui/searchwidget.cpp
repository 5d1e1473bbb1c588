#include "searchwidget.h"

#include "winecatalogue.h"

#include <QCompleter>
#include <QDebug>
#include <QLineEdit>
#include <QSet>

namespace {
constexpr int VisibleCompletions = 7;
}

SearchWidget::SearchWidget(WineCatalogue *catalogue, QWidget *parent)
    : LSearchEdit(parent)
    , m_catalogue(catalogue ? catalogue : new WineCatalogue(this))
{
    if (!catalogue)
        m_catalogue->load();
    initAppList();
    connect(this, &LLineEdit::textChanged, this, &SearchWidget::onTextChanged);
    connect(this, &LLineEdit::returnPressed, this, &SearchWidget::onReturnPressed);
    connect(m_catalogue, &WineCatalogue::stateChanged, this, [this](WineCatalogue::State state) {
        if (state == WineCatalogue::Loaded)
            initAppList();
    });
}

void SearchWidget::initAppList()
{
    QStringList names;
    QSet<QString> seen;
    const QList<TPublishedAppInfo> &apps = m_catalogue->apps();
    for (const TPublishedAppInfo &app : apps) {
        if (!seen.contains(app.appName)) {
            seen.insert(app.appName);
            names.append(app.appName);
        }
    }

    auto completer = new QCompleter(names, this);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setMaxVisibleItems(VisibleCompletions);
    connect(completer, QOverload<const QString &>::of(&QCompleter::activated), this,
            &SearchWidget::onCompleterActivated);
    lineEdit()->setCompleter(completer);
    // The line edit does not own its completer; the previous one goes.
    delete m_completer;
    m_completer = completer;
}

void SearchWidget::onTextChanged(const QString &text)
{
    if (text.isEmpty()) {
        m_lastText = text;
        return;
    }
    if (!m_lastText.contains(text, Qt::CaseInsensitive)) {
        m_lastText = text;
        lineEdit()->setFocus();
        setText(text);
        emit sendSearchResult(text);
        return;
    }
    // Characters were deleted: nothing new to look for.
    m_lastText = text;
}

void SearchWidget::onReturnPressed()
{
    const QString typed = text();
    if (typed.isEmpty() || !m_completer)
        return;
    m_completer->setCompletionPrefix(typed);
    const QString first = m_completer->completionModel()->index(0, 0).data().toString();
    if (first.isEmpty())
        return;
    // Remembered first, so that the text-change handler does not report
    // the completion a second time.
    m_lastText = first;
    setText(first);
    emit sendSearchResult(first);
}

void SearchWidget::onCompleterActivated(const QString &value)
{
    qDebug() << Q_FUNC_INFO << value;
    emit lineEdit()->returnPressed();
}
