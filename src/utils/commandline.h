#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>

/*
 * Quotes one argument for the command-line form of shellCmd, which splits
 * the line the way QProcess does: the argument is wrapped in double quotes,
 * and a double quote inside it is written as three, so that any path (blanks
 * and quotes included) arrives as exactly one argument.
 */
QString quotedArgument(const QString &argument);

#endif // COMMANDLINE_H
