#include "launchentry.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QLatin1String entryGroup("[Desktop Entry]");
const QLatin1String quotedEscapes("\"`$\\");

// Appends the text of a field code or "%%" at exec[i] (which is '%') and
// returns how many characters it took. Field codes leave nothing behind.
int takePercent(const QString &exec, int i, QString &current, bool &hasContent, bool &hadCode)
{
    const QChar next = i + 1 < exec.size() ? exec.at(i + 1) : QChar();
    if (next == QLatin1Char('%')) {
        current += QLatin1Char('%');
        hasContent = true;
        return 2;
    }
    if (next.isLetter()) {
        hadCode = true;
        return 2;
    }
    current += QLatin1Char('%');
    hasContent = true;
    return 1;
}

} // namespace

QString LaunchEntry::unescapeValue(const QString &value)
{
    QString result;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            result += QLatin1Char(' ');
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        case 'r':
            result += QLatin1Char('\r');
            break;
        case '\\':
            result += QLatin1Char('\\');
            break;
        default:
            result += c;
            result += next;
        }
    }
    return result;
}

bool LaunchEntry::splitExec(const QString &exec, QStringList &arguments, QString &error)
{
    arguments.clear();
    QString current;
    bool hasContent = false; // also true for an empty quoted argument
    bool hadCode = false;
    // An argument made only of field codes disappears with them.
    const auto finishArgument = [&] {
        if (hasContent && !(current.isEmpty() && hadCode))
            arguments.append(current);
        current.clear();
        hasContent = hadCode = false;
    };

    int i = 0;
    while (i < exec.size()) {
        const QChar c = exec.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            finishArgument();
            ++i;
        } else if (c == QLatin1Char('"')) {
            hasContent = true;
            ++i;
            while (i < exec.size() && exec.at(i) != QLatin1Char('"')) {
                if (exec.at(i) == QLatin1Char('%')) {
                    i += takePercent(exec, i, current, hasContent, hadCode);
                    continue;
                }
                if (exec.at(i) == QLatin1Char('\\') && i + 1 < exec.size()
                    && quotedEscapes.contains(exec.at(i + 1)))
                    ++i;
                current += exec.at(i++);
            }
            if (i >= exec.size()) {
                error = QStringLiteral("unterminated double quote in Exec");
                return false;
            }
            ++i;
        } else if (c == QLatin1Char('\'')) {
            // Not in the standard, but desktops accept shell-style single
            // quotes: everything up to the next one is literal.
            const int end = exec.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0) {
                error = QStringLiteral("unterminated single quote in Exec");
                return false;
            }
            current += exec.mid(i + 1, end - i - 1);
            hasContent = true;
            i = end + 1;
        } else if (c == QLatin1Char('\\')) {
            // Outside quotes a backslash escapes the next character, as a
            // shell does ("Program\ Files").
            if (i + 1 < exec.size())
                ++i;
            current += exec.at(i);
            hasContent = true;
            ++i;
        } else if (c == QLatin1Char('%')) {
            i += takePercent(exec, i, current, hasContent, hadCode);
        } else {
            current += c;
            hasContent = true;
            ++i;
        }
    }
    finishArgument();
    if (arguments.isEmpty()) {
        error = QStringLiteral("Exec names no program");
        return false;
    }
    return true;
}

LaunchEntry LaunchEntry::fromFile(const QString &path)
{
    LaunchEntry entry;
    QString type;
    QString exec;
    if (!entry.readGroup(path, type, exec))
        return entry;
    if (type != QLatin1String("Application")) {
        entry.m_error = QStringLiteral("%1 is of type \"%2\", not an application").arg(path, type);
        return entry;
    }
    if (!entry.resolveCommand(exec))
        entry.m_error = path + QStringLiteral(": ") + entry.m_error;
    return entry;
}

bool LaunchEntry::readGroup(const QString &path, QString &type, QString &exec)
{
    QFile file(path);
    if (!QFileInfo(path).isAbsolute() || !QFileInfo(path).isFile()
        || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_error = QStringLiteral("Cannot read the desktop file \"%1\"").arg(path);
        return false;
    }
    bool inGroup = false;
    bool sawGroup = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == entryGroup;
            sawGroup = sawGroup || inGroup;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("Path"))
            m_workingDirectory = value;
    }
    if (!sawGroup) {
        m_error = QStringLiteral("\"%1\" has no [Desktop Entry] group").arg(path);
        return false;
    }
    return true;
}

bool LaunchEntry::resolveCommand(const QString &exec)
{
    QStringList words;
    if (!splitExec(exec, words, m_error))
        return false;
    const QString program = words.takeFirst();
    m_arguments = words;
    m_program = program.contains(QLatin1Char('/')) ? program
                                                   : QStandardPaths::findExecutable(program);
    if (m_program.isEmpty() || !QFileInfo(m_program).isExecutable()
        || QFileInfo(m_program).isDir()) {
        m_error = QStringLiteral("the program \"%1\" cannot be run").arg(program);
        return false;
    }
    if (!m_workingDirectory.isEmpty() && !QFileInfo(m_workingDirectory).isDir()) {
        m_error = QStringLiteral("the working directory \"%1\" does not exist")
                          .arg(m_workingDirectory);
        return false;
    }
    return true;
}
