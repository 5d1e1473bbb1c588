#ifndef LDIALOG_H
#define LDIALOG_H

#include <QDialog>
#include <QIcon>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

/*
 * A modal dialog with an icon, a title, a message, free content and a row
 * of buttons. exec() returns the index of the button that closed the dialog,
 * or -1 when it was closed otherwise.
 */
class LDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LDialog(QWidget *parent = nullptr);

    void setIcon(const QIcon &icon);
    QIcon icon() const { return m_icon; }
    void setTitle(const QString &title);
    void setMessage(const QString &message);
    QString message() const;

    void addSpacing(int spacing);
    void addContent(QWidget *widget, Qt::Alignment alignment = Qt::Alignment());
    int addButton(const QString &text, bool isDefault = false);
    QAbstractButton *getButton(int index) const;
    int buttonCount() const { return m_buttons.size(); }

    void setContentLayoutContentsMargins(const QMargins &margins);
    void setOnButtonClickedClose(bool close) { m_closeOnClick = close; }

    int exec() override;

signals:
    void buttonClicked(int index, const QString &text);

private:
    void onButtonClicked(int index);

    QIcon m_icon;
    QLabel *m_iconLabel;
    QLabel *m_titleLabel;
    QLabel *m_messageLabel;
    QVBoxLayout *m_contentLayout;
    QHBoxLayout *m_buttonLayout;
    QList<QAbstractButton *> m_buttons;
    int m_clickedIndex = -1;
    bool m_closeOnClick = true;
};

#endif // LDIALOG_H
