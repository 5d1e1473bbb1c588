#include "llineedit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>

LLineEdit::LLineEdit(QWidget *parent)
    : QWidget(parent)
    , m_lineEdit(new QLineEdit(this))
{
    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lineEdit);
    setFocusProxy(m_lineEdit);
    m_lineEdit->installEventFilter(this);

    connect(m_lineEdit, &QLineEdit::textChanged, this, &LLineEdit::textChanged);
    connect(m_lineEdit, &QLineEdit::textEdited, this, &LLineEdit::textEdited);
    connect(m_lineEdit, &QLineEdit::editingFinished, this, &LLineEdit::editingFinished);
    connect(m_lineEdit, &QLineEdit::returnPressed, this, &LLineEdit::returnPressed);
}

QString LLineEdit::text() const
{
    return m_lineEdit->text();
}

void LLineEdit::setText(const QString &text)
{
    m_lineEdit->setText(text);
}

void LLineEdit::setPlaceholderText(const QString &text)
{
    m_lineEdit->setPlaceholderText(text);
}

void LLineEdit::setClearButtonEnabled(bool enabled)
{
    m_lineEdit->setClearButtonEnabled(enabled);
}

bool LLineEdit::hasFocus() const
{
    return m_lineEdit->hasFocus();
}

bool LLineEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lineEdit) {
        if (event->type() == QEvent::FocusIn)
            emit focusChanged(true);
        else if (event->type() == QEvent::FocusOut)
            emit focusChanged(false);
    }
    return QWidget::eventFilter(watched, event);
}
