#ifndef ASSISTHOME_H
#define ASSISTHOME_H

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The exit status of a start that found the assistant already running (-1).
constexpr int SecondInstanceExitCode = 255;

/*
 * A private home for starting the real assistant binary: HOME, the XDG
 * directories and the runtime directory all lie in a temporary directory.
 */
class AssistHome
{
public:
    AssistHome();

    QString path() const { return m_dir.path(); }
    QString runtimeDir() const;
    QString logPath() const;
    QProcessEnvironment environment() const;

    // Starts the assistant with its standard output discarded.
    std::unique_ptr<QProcess> start(const QStringList &arguments) const;

    QString log() const;
    // Waits until the log holds `text` at least `count` times.
    bool waitForLog(const QString &text, int count = 1, int timeoutMs = 20000) const;

private:
    QTemporaryDir m_dir;
};

// A running first instance that has acted on its command line; null if it
// did not get that far.
std::unique_ptr<QProcess> startPrimary(const AssistHome &home, const QStringList &arguments = {});

// Ends the process, by force if it does not end by itself.
void stop(QProcess *process);

#endif // ASSISTHOME_H
