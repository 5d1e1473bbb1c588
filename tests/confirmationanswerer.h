#ifndef CONFIRMATIONANSWERER_H
#define CONFIRMATIONANSWERER_H

#include <QObject>
#include <QStringList>

class QTimer;

/*
 * Answers every uninstall or overwrite confirmation that appears while it
 * lives, with its confirm or its cancel button, and every plain message box
 * with its first button; notes what each one showed.
 */
class ConfirmationAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit ConfirmationAnswerer(bool confirm = true);
    // A confirmation's visible texts, or a message box's message, one each.
    QStringList shown() const { return m_shown; }

private:
    void answer();

    bool m_confirm;
    QTimer *m_timer;
    QStringList m_shown;
};

#endif // CONFIRMATIONANSWERER_H
