#ifndef CALLLOG_H
#define CALLLOG_H

#include <QString>
#include <QVariantList>

/*
 * Records the calls the stand-in account services receive, one JSON object
 * per line ({"method": ..., "arguments": [...]}), so that a test or a
 * curious user can see what the assistant asked for. No file, no record.
 */
class CallLog
{
public:
    explicit CallLog(const QString &path);

    void record(const QString &method, const QVariantList &arguments) const;

private:
    QString m_path;
};

#endif // CALLLOG_H
