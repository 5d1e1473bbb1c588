#ifndef COMMON_H
#define COMMON_H

#include <QString>
#include <QStringList>

class QByteArray;

/*
 * Runs the command line (split into program and arguments the way QProcess
 * splits a command, no shell involved) and waits for its end.
 * Returns 0 when the child exited normally with code 0, -1 when it exited with
 * another code or crashed, -2 when it did not end within timeoutMs or could
 * not be started. The output is set for 0 and -1, the error text for -1 only.
 */
int shellCmd(const QString &cmd, QString &output, QString &error, int timeoutMs = 30000);

// The same for a program with an argument list that is passed on untouched.
int shellCmd(const QString &program, const QStringList &arguments, QString &output, QString &error,
             int timeoutMs);

// Decodes a child's standard output: UTF-8 when valid, GBK otherwise.
QString decodeOutput(const QByteArray &bytes);

#endif // COMMON_H
