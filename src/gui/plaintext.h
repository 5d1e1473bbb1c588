#ifndef PLAINTEXT_H
#define PLAINTEXT_H

#include <QString>

class QLabel;

/*
 * Shows text that comes from outside (the catalogue, the account service, a
 * program's version resource, the user) as the characters it holds: never
 * as markup that could pull in local files or endless pictures, and cut to
 * a length that a label can lay out.
 */
class PlainText
{
public:
    // Longest text shown, in characters; longer texts end in an ellipsis.
    static constexpr int MaxLength = 300;

    static QString bounded(const QString &text);
    // Sets the text of a label that shows it as plain text.
    static void setText(QLabel *label, const QString &text);
    // One line cut to width pixels; a text cut short shows whole in the tool tip.
    static void setElidedText(QLabel *label, const QString &text, int width);
    // Lines wrapped at word boundaries in width pixels: a word too wide for
    // a line is cut, and the whole text shows in the tool tip.
    static void setWrappedText(QLabel *label, const QString &text, int width);
    // A tool tip that shows the text as it stands (tool tips render markup).
    static QString toolTip(const QString &text);
    // A menu entry that shows the text as it stands ("&" marks a shortcut).
    static QString menuText(const QString &text);

private:
    PlainText() = delete;
};

#endif // PLAINTEXT_H
