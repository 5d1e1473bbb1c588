#ifndef LSEARCHEDIT_H
#define LSEARCHEDIT_H

#include "llineedit.h"

/*
 * A line edit with a search icon and a clear button. searchAborted() is
 * emitted when the user gives up a search: Escape, the clear button, or
 * deleting the whole text.
 */
class LSearchEdit : public LLineEdit
{
    Q_OBJECT
public:
    explicit LSearchEdit(QWidget *parent = nullptr);

signals:
    void searchAborted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enableClearButton(const QString &text);
};

#endif // LSEARCHEDIT_H
