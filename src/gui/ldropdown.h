#ifndef LDROPDOWN_H
#define LDROPDOWN_H

#include <QVariant>
#include <QWidget>

#include <memory>

class LIconButton;
class QAction;
class QLabel;
class QMenu;

/*
 * A compact selector: the current choice's text with a small arrow that
 * opens a menu of checkable actions. The owner decides which action becomes
 * current when one is triggered.
 */
class LDropdown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString status READ status WRITE setStatus NOTIFY statusChanged)
public:
    explicit LDropdown(QWidget *parent = nullptr);
    ~LDropdown() override;

    QString status() const { return m_status; }
    QString text() const;
    QList<QAction *> actions() const;
    QAction *currentAction() const;
    QMenu *menu() const { return m_menu.get(); }
    // The font of the current choice's text; headings beside it use it too.
    static QFont textFont();

signals:
    void statusChanged(const QString &status);
    void requestContextMenu();
    void triggered(QAction *action);

public slots:
    void setText(const QString &text);
    void setCurrentAction(QAction *action);
    void setCurrentAction(int index = 0);
    QAction *addAction(const QString &item, const QVariant &var);
    void setStatus(const QString &status);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showMenu();

    const std::unique_ptr<QMenu> m_menu;
    QLabel *m_text;
    LIconButton *m_arrow;
    QString m_status;
};

#endif // LDROPDOWN_H
