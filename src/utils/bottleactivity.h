#ifndef BOTTLEACTIVITY_H
#define BOTTLEACTIVITY_H

#include <QHash>
#include <QString>

/*
 * Tells whether anything worked in a bottle between two looks at it: a
 * process of the bottle (its WINEPREFIX) used the processor, or a file in the
 * bottle was written, added or removed. An installer that is still busy is
 * never taken for one that merely lingers. Not thread-bound; one thread at a
 * time.
 */
class BottleActivity
{
public:
    explicit BottleActivity(const QString &bottle);

    // Takes a new look; true when nothing worked since the previous one.
    // The first look after construction or reset() is never idle.
    bool sampleIsIdle();
    // Starts again from the present state, e.g. after the caller itself
    // ran something in the bottle.
    void reset();

    // Processor time (clock ticks) of the user's processes of the bottle,
    // by process id.
    static QHash<qint64, qint64> processTicks(const QString &bottle);

private:
    struct Files
    {
        qint64 count = 0;
        qint64 bytes = 0;
        qint64 newestMs = 0;
        bool operator==(const Files &other) const;
    };
    static Files filesOf(const QString &bottle);

    QString m_bottle;
    bool m_hasSample = false;
    QHash<qint64, qint64> m_ticks;
    Files m_files;
};

#endif // BOTTLEACTIVITY_H
