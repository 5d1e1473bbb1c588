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
