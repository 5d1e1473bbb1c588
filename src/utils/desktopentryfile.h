#ifndef DESKTOPENTRYFILE_H
#define DESKTOPENTRYFILE_H

#include <QString>
#include <QStringList>

/*
 * A desktop entry (key file) edited in place: values are read and written as
 * the file's own text, and every line that is not set explicitly (comments,
 * localised keys, other groups) is written back exactly as it was read. Group
 * names are kept verbatim, so "[Desktop Entry]" stays recognisable to the
 * desktop's menu.
 */
class DesktopEntryFile
{
public:
    explicit DesktopEntryFile(const QString &path);

    // False when the file is missing or cannot be read; it is then empty.
    bool load();
    // Writes the whole file atomically, creating its directory if needed.
    bool save() const;

    // The value's text, a null string when the key is absent.
    QString value(const QString &group, const QString &key) const;
    // Line breaks in `value` are written as the \n and \r escapes, so a value
    // can never add lines of its own.
    void setValue(const QString &group, const QString &key, const QString &value);

    // True when the "Desktop Entry" group's Icon key, or one of its localised
    // Icon[..] keys, names `icon`. Other groups (actions) do not count.
    bool namesIcon(const QString &icon) const;
    // True when a menu entry or desktop shortcut of the user (below the
    // applications and desktop folders) still names `icon`, so that the icon
    // must stay.
    static bool isIconInUse(const QString &icon);

private:
    int groupLine(const QString &group) const;
    int groupEnd(int headerLine) const;
    int keyLine(const QString &group, const QString &key) const;
    int addGroup(const QString &group);

    QString m_path;
    QStringList m_lines;
};

#endif // DESKTOPENTRYFILE_H
