#ifndef WNAPPINSTALLWIDGET_H
#define WNAPPINSTALLWIDGET_H

#include <QWidget>

class LWaterProgress;
class QLabel;
class QPushButton;

/*
 * The progress page: download, unpack and install with a progress display
 * and a cancel button, then the result with the action that fits it (start
 * the application, retry the download, send the log as feedback, or go back
 * to change a name that cannot be used).
 */
class WnAppInstallWidget : public QWidget
{
    Q_OBJECT
public:
    enum State { Downloading = 0, Unpacking = 1, Installing = 2, Installed = 3, NameRefused = 4 };

    explicit WnAppInstallWidget(QWidget *parent = nullptr);

    void setState(int state);
    int state() const { return m_state; }
    void setProgress(int value);
    void setAppName(const QString &text);
    void setStatusText(const QString &text);
    void showResult(bool success);
    // The failure view for a name that cannot be used: why, and, when the
    // name can be changed, a button to go back and change it. No retry: the
    // same name would be refused again.
    void showNameRefused(const QString &reason, bool canChangeName);

    LWaterProgress *progress() const { return m_progress; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QPushButton *actionButton() const { return m_actionButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *closeButton() const { return m_closeButton; }

signals:
    void s_CancelProcess();
    void s_StartApp();
    void s_CommitFeedback();
    void s_RetryDownload();
    void s_RetryExtract();
    void s_ChangeName();

private:
    void showProgressView(bool progress);
    void showResultIcon(bool success);
    void onActionClicked();

    QLabel *m_nameLabel;
    LWaterProgress *m_progress;
    QLabel *m_resultIcon;
    QLabel *m_statusLabel;
    QPushButton *m_closeButton;
    QPushButton *m_actionButton;
    QPushButton *m_cancelButton;
    int m_state = Downloading;
    bool m_success = false;
};

#endif // WNAPPINSTALLWIDGET_H
