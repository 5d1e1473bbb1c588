#ifndef USERICONINDEX_H
#define USERICONINDEX_H

#include <QHash>
#include <QObject>
#include <QStringList>

/*
 * The files below the user's icon directory (~/.local/share/icons) by
 * case-folded file name. The directory is walked on a worker thread, so that
 * a large icon tree never stalls the window; signalUpdated() reports each
 * finished walk, the latest one winning.
 */
class UserIconIndex : public QObject
{
    Q_OBJECT
public:
    using Index = QHash<QString, QStringList>;

    explicit UserIconIndex(QObject *parent = nullptr);

    // The result of the latest finished walk (empty before the first).
    const Index &index() const { return m_index; }
    // Walks the directory again.
    void refresh();

    static QString directory();
    static Index walk(const QString &dir);

signals:
    void signalUpdated();

private:
    Index m_index;
    int m_generation = 0;
};

#endif // USERICONINDEX_H
