#ifndef WNRECOVERINSTALLWIDGET_H
#define WNRECOVERINSTALLWIDGET_H

#include <QWidget>

class QLabel;
class QPushButton;

// The page for an application that is installed already: cancel, or install
// it again over the existing one.
class WnRecoverInstallWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WnRecoverInstallWidget(QWidget *parent = nullptr);

    void setAppName(const QString &name);
    QString appName() const;

    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *recoverButton() const { return m_recoverButton; }

signals:
    void s_RecoverInstall();
    void s_CancelInstall();

private:
    QLabel *m_nameLabel;
    QPushButton *m_cancelButton;
    QPushButton *m_recoverButton;
};

#endif // WNRECOVERINSTALLWIDGET_H
