#include "usericonindex.h"

#include "userfolders.h"

#include <QDir>
#include <QDirIterator>
#include <QThread>

#include <memory>

UserIconIndex::UserIconIndex(QObject *parent)
    : QObject(parent)
{
}

QString UserIconIndex::directory()
{
    return QDir::cleanPath(UserFolders::icons());
}

UserIconIndex::Index UserIconIndex::walk(const QString &dir)
{
    Index index;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        index[it.fileName().toCaseFolded()].append(it.filePath());
    }
    return index;
}

void UserIconIndex::refresh()
{
    const int generation = ++m_generation;
    const QString dir = directory();
    const auto result = std::make_shared<Index>();
    QThread *thread = QThread::create([dir, result] { *result = walk(dir); });
    // Delivered on this object's thread; nothing arrives once it is gone.
    connect(thread, &QThread::finished, this, [this, generation, result] {
        if (generation != m_generation)
            return;
        m_index = *result;
        emit signalUpdated();
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
