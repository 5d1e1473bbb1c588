#ifndef ISOLATEDHOME_H
#define ISOLATEDHOME_H

#include <QTemporaryDir>

/*
 * Gives the process a fresh temporary HOME and XDG directories for its
 * lifetime, so that a test program run on its own never reads or writes
 * the user's home. Create it first thing in main(), before the application
 * object and anything else that looks at the home directory.
 */
class IsolatedHome
{
public:
    IsolatedHome();

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

#endif // ISOLATEDHOME_H
