#ifndef COMMON_H
#define COMMON_H

#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>

class QByteArray;

/*
 * Runs the command line (split into program and arguments the way QProcess
 * splits a command, no shell involved) and waits for its end.
 * Returns 0 when the child exited normally with code 0, -1 when it exited with
 * another code or crashed, -2 when it did not end within timeoutMs, could not
 * be started or was cancelled. The output is set for 0 and -1, the error text
 * for -1 only.
 *
 * The child runs in a process group of its own. At the time-out, or as soon
 * as *abort becomes true (checked about every 50 ms, from any thread), the
 * whole group is ended: TERM, then KILL after a short grace. A command is not
 * started at all while *abort is true.
 */
int shellCmd(const QString &cmd, QString &output, QString &error, int timeoutMs = 30000,
             const std::atomic_bool *abort = nullptr);

// The same for a program with an argument list that is passed on untouched.
int shellCmd(const QString &program, const QStringList &arguments, QString &output, QString &error,
             int timeoutMs, const std::atomic_bool *abort = nullptr);

// True for a child that exited by itself with code 0; a child ended by a
// signal never counts, whatever its exit code reads.
bool exitedCleanly(QProcess::ExitStatus status, int exitCode);

// Decodes a child's standard output: UTF-8 when valid, GBK otherwise.
QString decodeOutput(const QByteArray &bytes);

#endif // COMMON_H
