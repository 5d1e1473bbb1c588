#ifndef SESSIONBUSWATCH_H
#define SESSIONBUSWATCH_H

#include <QObject>
#include <QTimer>

/*
 * Ends the application when the session bus goes away. The bus offers no
 * signal for its own end; a session's bus ending ends the session, and the
 * services of that session with it.
 */
class SessionBusWatch : public QObject
{
    Q_OBJECT
public:
    explicit SessionBusWatch(QObject *parent = nullptr);

private:
    QTimer m_timer;
};

#endif // SESSIONBUSWATCH_H
