#ifndef WNUNKOWNAPPINSTALLWIDGET_H
#define WNUNKOWNAPPINSTALLWIDGET_H

#include <QWidget>

class QPushButton;

// The page for a program the catalogue does not know: only the default
// configuration can install it.
class WnUnkownAppInstallWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WnUnkownAppInstallWidget(QWidget *parent = nullptr);

    QPushButton *previousButton() const { return m_previousButton; }
    QPushButton *installButton() const { return m_installButton; }
    // Where the default configuration is in the configuration list; -1 (the
    // start) while none has arrived, which leaves nothing to install.
    void setDefaultIndex(int index);

signals:
    void s_BeginInstall(int iIndex);

private:
    QPushButton *m_previousButton;
    QPushButton *m_installButton;
    int m_defaultIndex = -1;
};

#endif // WNUNKOWNAPPINSTALLWIDGET_H
