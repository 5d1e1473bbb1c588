#ifndef WINESETTINGS_H
#define WINESETTINGS_H

#include <QSettings>
#include <QString>

/*
 * The assistant's settings file (organisation "lirvan", application
 * "lirvan-wine-assist"), shared by the whole process. Task threads only read
 * this object; the GUI thread writes through it, or through store() on a
 * worker thread so that it never waits for the disk.
 */
class WineSettings : public QSettings
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineSettings)
public:
    static WineSettings *instance();

    // Logs which file holds the settings.
    void init() const;

    // The built-in default of a known key, an empty string for other keys.
    static QString defaultValue(const QString &key);
    // The key's value as a string, its built-in default when it is not set.
    QString stringValue(const QString &key) const;
    // Sets the key through a settings object of the calling thread's own and
    // writes the file before it returns; instance() sees the value at once.
    static void store(const QString &key, const QVariant &value);

private:
    WineSettings();
};

#endif // WINESETTINGS_H
