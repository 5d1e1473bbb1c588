#include "searchwidget.h"

#include "winecatalogue.h"

#include <QCompleter>
#include <QDebug>
#include <QLineEdit>
#include <QTimer>

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
    // Each name once, gathered with the catalogue off the GUI thread.
    auto completer = new QCompleter(m_catalogue->names(), this);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setMaxVisibleItems(VisibleCompletions);
    connect(completer, QOverload<const QString &>::of(&QCompleter::activated), this,
            &SearchWidget::onCompleterActivated);
    // Moving through the popup puts each name into the field; only the name
    // chosen is a search. Connected before the line edit's own handler.
    connect(completer, QOverload<const QString &>::of(&QCompleter::highlighted), this,
            [this](const QString &name) { m_lastText = name; });
    lineEdit()->setCompleter(completer);
    // The line edit does not own its completer; the previous one goes.
    delete m_completer;
    m_completer = completer;
}

void SearchWidget::onTextChanged(const QString &text)
{
    if (text != m_answered)
        m_answered.clear();
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
    const QString name = completionFor(text());
    if (!name.isEmpty())
        report(name);
}

QString SearchWidget::completionFor(const QString &typed) const
{
    if (typed.isEmpty() || !m_completer)
        return QString();
    m_completer->setCompletionPrefix(typed);
    // A name typed whole wins over longer names that contain it.
    const QAbstractItemModel *completions = m_completer->completionModel();
    for (int row = 0; row < completions->rowCount(); ++row) {
        const QString name = completions->index(row, 0).data().toString();
        if (name.compare(typed, Qt::CaseInsensitive) == 0)
            return name;
    }
    return completions->index(0, 0).data().toString();
}

void SearchWidget::report(const QString &name)
{
    // Remembered first, so that the text-change handler does not report
    // the name a second time.
    m_lastText = name;
    setText(name);
    // Return in the popup reaches the line edit and chooses the completion
    // too: one answer to one key press.
    if (m_answered == name)
        return;
    m_answered = name;
    QTimer::singleShot(0, this, [this] { m_answered.clear(); });
    emit sendSearchResult(name);
}

void SearchWidget::onCompleterActivated(const QString &value)
{
    qDebug() << Q_FUNC_INFO << value;
    // The chosen name itself: the completions of its text may begin with
    // another name that contains it.
    report(value);
}
