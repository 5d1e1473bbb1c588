#include "plaintext.h"

#include <QLabel>
#include <QTextDocument>

QString PlainText::bounded(const QString &text)
{
    if (text.size() <= MaxLength)
        return text;
    return text.left(MaxLength - 1) + QChar(0x2026);
}

void PlainText::setText(QLabel *label, const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(bounded(text));
}

void PlainText::setElidedText(QLabel *label, const QString &text, int width)
{
    const QString shown = label->fontMetrics().elidedText(bounded(text), Qt::ElideRight, width);
    setText(label, shown);
    label->setToolTip(shown == text ? QString() : toolTip(text));
}

void PlainText::setWrappedText(QLabel *label, const QString &text, int width)
{
    const QFontMetrics metrics = label->fontMetrics();
    QStringList words = bounded(text).split(QLatin1Char(' '));
    for (QString &word : words)
        word = metrics.elidedText(word, Qt::ElideRight, width);
    const QString shown = words.join(QLatin1Char(' '));
    setText(label, shown);
    label->setToolTip(shown == text ? QString() : toolTip(text));
}

QString PlainText::toolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    // Escaped inside a paragraph: the tool tip is rich text whose only
    // content is the text itself.
    return Qt::convertFromPlainText(bounded(text), Qt::WhiteSpaceNormal);
}

QString PlainText::menuText(const QString &text)
{
    return bounded(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
