#ifndef LLINEEDIT_H
#define LLINEEDIT_H

#include <QWidget>

class QLineEdit;

// A line edit wrapped in a widget, with a focus signal.
class LLineEdit : public QWidget
{
    Q_OBJECT
public:
    explicit LLineEdit(QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_lineEdit; }
    QString text() const;
    void setText(const QString &text);
    void setPlaceholderText(const QString &text);
    void setClearButtonEnabled(bool enabled);
    bool hasFocus() const;

signals:
    void textChanged(const QString &text);
    void textEdited(const QString &text);
    void editingFinished();
    void returnPressed();
    void focusChanged(bool focused);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_lineEdit;
};

#endif // LLINEEDIT_H
