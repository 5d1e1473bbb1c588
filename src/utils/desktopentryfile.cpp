#include "desktopentryfile.h"

#include "userfolders.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QLatin1String mainGroup("Desktop Entry");

bool isGroupHeader(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

QString groupHeader(const QString &group)
{
    return QLatin1Char('[') + group + QLatin1Char(']');
}

// The key of a "Key=Value" line, empty for comments, blank and other lines.
QString keyOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    const int equals = trimmed.indexOf(QLatin1Char('='));
    if (trimmed.startsWith(QLatin1Char('#')) || equals <= 0)
        return QString();
    return trimmed.left(equals).trimmed();
}

QString escapeLineBreaks(QString value)
{
    return value.replace(QLatin1Char('\n'), QLatin1String("\\n"))
            .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

} // namespace

DesktopEntryFile::DesktopEntryFile(const QString &path)
    : m_path(path)
{
}

bool DesktopEntryFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    m_lines = text.split(QLatin1Char('\n'));
    // A final line break does not start another line.
    if (!m_lines.isEmpty() && m_lines.constLast().isEmpty())
        m_lines.removeLast();
    for (QString &line : m_lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return true;
}

bool DesktopEntryFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Cannot write" << m_path << ":" << file.errorString();
        return false;
    }
    for (const QString &line : m_lines)
        file.write((line + QLatin1Char('\n')).toUtf8());
    if (!file.commit()) {
        qWarning().noquote() << "Cannot save" << m_path << ":" << file.errorString();
        return false;
    }
    return true;
}

QString DesktopEntryFile::value(const QString &group, const QString &key) const
{
    const int line = keyLine(group, key);
    if (line < 0)
        return QString();
    const QString &text = m_lines.at(line);
    QString value = text.mid(text.indexOf(QLatin1Char('=')) + 1);
    // Blanks around the equals sign are not part of the value.
    while (!value.isEmpty() && value.at(0).isSpace())
        value.remove(0, 1);
    return value;
}

void DesktopEntryFile::setValue(const QString &group, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + escapeLineBreaks(value);
    const int existing = keyLine(group, key);
    if (existing >= 0) {
        m_lines[existing] = line;
        return;
    }

    int header = groupLine(group);
    if (header < 0)
        header = addGroup(group);
    // After the group's last non-blank line, so blank separators stay between groups.
    int insertAt = groupEnd(header);
    while (insertAt > header + 1 && m_lines.at(insertAt - 1).trimmed().isEmpty())
        --insertAt;
    m_lines.insert(insertAt, line);
}

bool DesktopEntryFile::namesIcon(const QString &icon) const
{
    const int header = groupLine(mainGroup);
    if (header < 0 || icon.isEmpty())
        return false;
    const int end = groupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString &line = m_lines.at(i);
        const QString key = keyOf(line);
        if ((key == QLatin1String("Icon")
             || (key.startsWith(QLatin1String("Icon[")) && key.endsWith(QLatin1Char(']'))))
            && line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed() == icon)
            return true;
    }
    return false;
}

bool DesktopEntryFile::isIconInUse(const QString &icon)
{
    const QStringList dirs = QStringList{UserFolders::applications()} + UserFolders::desktops();
    for (const QString &dir : dirs) {
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            DesktopEntryFile entry(it.next());
            if (entry.load() && entry.namesIcon(icon))
                return true;
        }
    }
    return false;
}

int DesktopEntryFile::groupLine(const QString &group) const
{
    const QString header = groupHeader(group);
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).trimmed() == header)
            return i;
    }
    return -1;
}

int DesktopEntryFile::groupEnd(int headerLine) const
{
    int line = headerLine + 1;
    while (line < m_lines.size() && !isGroupHeader(m_lines.at(line)))
        ++line;
    return line;
}

int DesktopEntryFile::keyLine(const QString &group, const QString &key) const
{
    const int header = groupLine(group);
    if (header < 0)
        return -1;
    const int end = groupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (keyOf(m_lines.at(i)) == key)
            return i;
    }
    return -1;
}

// The main group goes before every other group, as the desktop expects it
// first; others are appended. Returns the header's line.
int DesktopEntryFile::addGroup(const QString &group)
{
    int at = m_lines.size();
    if (group == mainGroup) {
        at = 0;
        while (at < m_lines.size() && !isGroupHeader(m_lines.at(at)))
            ++at;
    }
    QStringList added{groupHeader(group)};
    if (at < m_lines.size())
        added.append(QString());
    else if (at > 0 && !m_lines.constLast().trimmed().isEmpty())
        added.prepend(QString());
    for (int i = 0; i < added.size(); ++i)
        m_lines.insert(at + i, added.at(i));
    return added.first().isEmpty() ? at + 1 : at;
}
