#ifndef EXECLINE_H
#define EXECLINE_H

#include <QString>

/*
 * Building blocks of the command lines that start a program in a bottle:
 * those run through "/bin/bash -c" and the Exec lines of desktop entries.
 * Every value that comes from a name (bottle, program, installer) is quoted
 * so that it always arrives as plain text.
 */
namespace ExecLine {

// The value in double quotes for bash: ", $, ` and \ are escaped, so nothing
// inside is expanded or run.
QString shellQuoted(const QString &value);

// A path below prefix + "/drive_c" as a Windows path for an unquoted Exec
// argument: "C:", four backslashes between parts, two before each blank.
QString windowsExecPath(const QString &path, const QString &prefix);

// A value for one line of a desktop entry: line breaks written as the \n
// and \r escapes, so the value can never add lines of its own.
QString singleLine(const QString &value);

// One argument of an Exec line: unchanged when it holds nothing that the
// Desktop Entry Specification reserves, else quoted and escaped by its rules.
QString execArgument(const QString &value);

// "env WINEPREFIX=\"<prefix>\" <wine> <windowsExecPath>", ready to follow
// "Exec=" in a desktop entry: the prefix and a Wine path that needs it are
// escaped by the Desktop Entry Specification's quoting rules, and line breaks
// can never start a new line of the file.
QString wineCommand(const QString &prefix, const QString &wine, const QString &windowsExecPath);

} // namespace ExecLine

#endif // EXECLINE_H
