#include "lsearchedit.h"

#include "licontheme.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

LSearchEdit::LSearchEdit(QWidget *parent)
    : LLineEdit(parent)
{
    const QIcon searchIcon = LIconTheme::fileIcon(LIconTheme::builtinPrefix()
                                                  + QStringLiteral("lw_search_20px.svg"));
    lineEdit()->addAction(searchIcon, QLineEdit::LeadingPosition);
    setPlaceholderText(tr("搜索"));
    lineEdit()->installEventFilter(this);
    // The clear button only shows over text, and making it decodes its
    // image (and loads every image plugin): it comes with the first text.
    connect(this, &LLineEdit::textChanged, this, &LSearchEdit::enableClearButton);

    connect(this, &LLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty())
            emit searchAborted();
    });
}

void LSearchEdit::enableClearButton(const QString &text)
{
    if (text.isEmpty() || lineEdit()->isClearButtonEnabled())
        return;
    setClearButtonEnabled(true);
}

bool LSearchEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        lineEdit()->clear();
        emit searchAborted();
        return true;
    }
    return LLineEdit::eventFilter(watched, event);
}
