#include "ldialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int IconSize = 32;
}

LDialog::LDialog(QWidget *parent)
    : QDialog(parent)
    , m_iconLabel(new QLabel(this))
    , m_titleLabel(new QLabel(this))
    , m_messageLabel(new QLabel(this))
    , m_contentLayout(new QVBoxLayout)
    , m_buttonLayout(new QHBoxLayout)
{
    m_iconLabel->setFixedSize(IconSize, IconSize);
    m_iconLabel->hide();
    m_titleLabel->hide();
    // Messages name applications and files; they never carry markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignCenter);
    m_messageLabel->hide();

    auto header = new QHBoxLayout;
    header->addWidget(m_iconLabel, 0, Qt::AlignTop);
    header->addWidget(m_titleLabel, 1);

    auto layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_messageLabel);
    layout->addLayout(m_contentLayout, 1);
    layout->addLayout(m_buttonLayout);
}

void LDialog::setIcon(const QIcon &icon)
{
    m_icon = icon;
    m_iconLabel->setPixmap(icon.pixmap(IconSize, IconSize));
    m_iconLabel->setVisible(!icon.isNull());
    setWindowIcon(icon);
}

void LDialog::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
    m_titleLabel->setVisible(!title.isEmpty());
}

void LDialog::setMessage(const QString &message)
{
    m_messageLabel->setText(message);
    m_messageLabel->setVisible(!message.isEmpty());
}

QString LDialog::message() const
{
    return m_messageLabel->text();
}

void LDialog::addSpacing(int spacing)
{
    m_contentLayout->addSpacing(spacing);
}

void LDialog::addContent(QWidget *widget, Qt::Alignment alignment)
{
    widget->setParent(this);
    m_contentLayout->addWidget(widget, 0, alignment);
}

int LDialog::addButton(const QString &text, bool isDefault)
{
    auto button = new QPushButton(text, this);
    button->setDefault(isDefault);
    const int index = m_buttons.size();
    m_buttons.append(button);
    m_buttonLayout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, index] { onButtonClicked(index); });
    return index;
}

QAbstractButton *LDialog::getButton(int index) const
{
    return m_buttons.value(index);
}

void LDialog::setContentLayoutContentsMargins(const QMargins &margins)
{
    layout()->setContentsMargins(margins);
    m_contentLayout->setContentsMargins(margins);
}

int LDialog::exec()
{
    m_clickedIndex = -1;
    QDialog::exec();
    return m_clickedIndex;
}

void LDialog::onButtonClicked(int index)
{
    m_clickedIndex = index;
    emit buttonClicked(index, m_buttons.at(index)->text());
    if (m_closeOnClick)
        done(index);
}
