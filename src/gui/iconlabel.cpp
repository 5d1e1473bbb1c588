#include "iconlabel.h"

#include "licontheme.h"
#include "wineasthttpdownload.h"
#include "wineastlogin.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QResizeEvent>
#include <QShowEvent>

namespace {

// Longest cache directory name, in bytes; file systems allow 255.
constexpr int MaxComponentBytes = 200;
// An icon or avatar larger than this, in bytes or in pixels a side, is not
// one: it is refused before it fills the disk or the memory.
constexpr qint64 MaxPictureBytes = 1024 * 1024;
constexpr int MaxPictureSide = 1024;

QString placeholder()
{
    return LIconTheme::builtinPrefix() + QStringLiteral("lw_space.svg");
}

// The process-wide download queue, in request order; GUI thread only.
QList<WineAstHttpDownload *> &downloadQueue()
{
    static QList<WineAstHttpDownload *> queue;
    return queue;
}

bool needsEscape(QChar c)
{
    static const QString unsafe = QStringLiteral("/\\%\"'`$:*?<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || unsafe.contains(c);
}

QString escaped(QChar c)
{
    QString result;
    const QByteArray bytes = QString(c).toUtf8();
    for (const char byte : bytes)
        result += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    return result;
}

/*
 * A catalogue name as one harmless path component: separators, quotes,
 * shell and control characters and "%" itself are percent-encoded, a
 * leading dot too (so "." and ".." cannot climb), and an overlong name is
 * cut and made unique by its digest. Distinct names stay distinct.
 */
QString safeComponent(const QString &key)
{
    if (key.isEmpty())
        return QStringLiteral("%");
    QString name;
    for (int i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        name += needsEscape(c) || (i == 0 && c == QLatin1Char('.')) ? escaped(c) : QString(c);
    }
    if (name.toUtf8().size() <= MaxComponentBytes)
        return name;
    const QString digest = QString::fromLatin1(
            QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex());
    QString cut = name;
    while (cut.toUtf8().size() > MaxComponentBytes - digest.size() - 1)
        cut.chop(1);
    return cut + QLatin1Char('~') + digest;
}

// The size is read from the file's header, before anything is decoded.
bool hasSaneSize(const QImageReader &reader)
{
    const QSize size = reader.size();
    return size.isValid() && size.width() <= MaxPictureSide && size.height() <= MaxPictureSide;
}

QPixmap readPicture(const QString &path, const QSize &size)
{
    QImageReader reader(path);
    if (!path.startsWith(QLatin1Char(':')) && !hasSaneSize(reader)) {
        qWarning() << "picture too large or of unknown size, not shown:" << path << reader.size();
        return QPixmap();
    }
    QSize target = reader.size();
    if (target.isValid() && !size.isEmpty()) {
        target.scale(size, Qt::KeepAspectRatio);
        reader.setScaledSize(target);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!size.isEmpty() && pixmap.size() != target)
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

// Built-in pictures are drawn once per size, not once per label.
QPixmap loadPicture(const QString &path, const QSize &size)
{
    if (!path.startsWith(QLatin1Char(':')))
        return readPicture(path, size);
    const QString key
            = QStringLiteral("iconlabel:%1:%2x%3").arg(path).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = readPicture(path, size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

bool isPicture(const QString &path)
{
    QImageReader reader(path);
    return hasSaneSize(reader) && !reader.read().isNull();
}

} // namespace

IconLabel::IconLabel(const QString &address, const QString &key, QWidget *parent)
    : LLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setPicture(address, key);
}

IconLabel::~IconLabel()
{
    releaseDownload();
}

QString IconLabel::cacheRoot(CacheKind kind)
{
    if (kind == UserPicture)
        return WineAstLogin::userPictureRoot();
    return QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/icons/apps/");
}

QString IconLabel::cacheDirFor(const QString &key, CacheKind kind)
{
    return cacheRoot(kind) + safeComponent(key);
}

int IconLabel::queuedDownloads()
{
    return downloadQueue().size();
}

int IconLabel::runningDownloads()
{
    const QList<WineAstHttpDownload *> &queue = downloadQueue();
    return int(std::count_if(queue.cbegin(), queue.cend(),
                             [](const WineAstHttpDownload *d) { return d->isDownloading(); }));
}

bool IconLabel::isDownloading() const
{
    return m_download && m_download->isDownloading();
}

QString IconLabel::partFile() const
{
    return m_cacheFile + QStringLiteral(".part");
}

void IconLabel::setPicture(const QString &address, const QString &key)
{
    m_fetchWhenShown = false;
    m_address = address;
    m_key = key;
    if (address.isEmpty() || QFile::exists(address)) {
        releaseDownload();
        m_cacheFile.clear();
        showPicture();
        return;
    }

    // The directory is made when a picture arrives, not for every row shown.
    m_cacheFile = cacheDirFor(key, m_kind) + QStringLiteral("/icon");
    if (QFile::exists(m_cacheFile) && showPicture()) {
        releaseDownload();
        return;
    }

    releaseDownload();
    TPublishedAppInfo target;
    target.Url = address;
    target.localPath = partFile();
    m_download = new WineAstHttpDownload(target, this);
    connect(m_download, &WineAstHttpDownload::signalStatus, this, &IconLabel::slotStatus);
    connect(m_download, &WineAstHttpDownload::signalDownloadProgress, this,
            &IconLabel::onDownloadProgress);
    downloadQueue().append(m_download);
    showPicture();
    pumpQueue();
}

void IconLabel::releaseDownload()
{
    if (!m_download)
        return;
    disconnect(m_download, nullptr, this, nullptr);
    downloadQueue().removeAll(m_download);
    const bool wasRunning = m_download->isDownloading();
    // Stopped now, so that it neither writes on nor counts as running.
    if (wasRunning)
        m_download->stopDownLoad();
    m_download->setParent(nullptr);
    m_download->deleteLater();
    m_download = nullptr;
    // What an unfinished download left is of no use to anyone. One that
    // only waited wrote nothing: the file may be another label's of the
    // same key, still under way.
    if (wasRunning) {
        discardPartFile();
        pumpQueue();
    }
}

void IconLabel::discardPartFile() const
{
    if (m_cacheFile.isEmpty())
        return;
    QFile::remove(partFile());
    // Only an empty directory goes; a cached picture stays.
    QDir().rmdir(QFileInfo(m_cacheFile).path());
}

void IconLabel::onDownloadProgress(qlonglong current, qlonglong total)
{
    if (current <= MaxPictureBytes && total <= MaxPictureBytes)
        return;
    qWarning() << "icon larger than" << MaxPictureBytes << "bytes, abandoned:" << m_address;
    releaseDownload();
    showPicture();
}

void IconLabel::slotStatus(int status, QString strCode)
{
    if (status < WineAstHttpDownload::DownloadFinished)
        return;
    if (status == WineAstHttpDownload::DownloadFinished) {
        // A rejected download leaves whatever the cache holds on show.
        acceptDownloadedFile();
        showPicture();
    } else {
        qWarning() << "icon download failed:" << m_address << strCode;
    }
    releaseDownload();
    pumpQueue();
}

// A downloaded file replaces the cached picture only when it decodes as one
// of a sane size.
void IconLabel::acceptDownloadedFile()
{
    const QString part = partFile();
    if (!isPicture(part)) {
        qWarning() << "not a picture, or too large, discarded:" << m_address;
        discardPartFile();
        return;
    }
    QFile::remove(m_cacheFile);
    if (!QFile::rename(part, m_cacheFile))
        qWarning() << "cannot keep the picture in" << m_cacheFile;
}

bool IconLabel::showPicture()
{
    QString path = placeholder();
    const bool cached = !m_cacheFile.isEmpty() && QFile::exists(m_cacheFile);
    if (cached)
        path = m_cacheFile;
    else if (!m_address.isEmpty() && QFile::exists(m_address))
        path = m_address;

    const QPixmap pixmap = loadPicture(path, size());
    if (pixmap.isNull()) {
        // Only our own cache file is removed so that it is fetched again;
        // a local file that the catalogue named is never touched.
        if (cached)
            QFile::remove(m_cacheFile);
        m_picture = loadPicture(placeholder(), size());
        m_showsPicture = false;
        setPixmap(m_picture);
        return false;
    }
    m_picture = pixmap;
    m_showsPicture = path != placeholder();
    setPixmap(m_picture);
    return true;
}

void IconLabel::resizeEvent(QResizeEvent *event)
{
    LLabel::resizeEvent(event);
    if (event->size() != event->oldSize())
        showPicture();
}

void IconLabel::hideEvent(QHideEvent *event)
{
    LLabel::hideEvent(event);
    // Nobody sees the picture (its row scrolled away, its page was left):
    // the labels in sight download first.
    if (m_download && !event->spontaneous()) {
        releaseDownload();
        m_fetchWhenShown = true;
    }
}

void IconLabel::showEvent(QShowEvent *event)
{
    LLabel::showEvent(event);
    if (m_fetchWhenShown) {
        m_fetchWhenShown = false;
        setPicture(m_address, m_key);
    }
}

// Starts the oldest waiting download unless one is running. A waiting
// download whose picture another label has meanwhile cached is dropped.
void IconLabel::pumpQueue()
{
    static bool pumping = false;
    if (pumping)
        return;
    pumping = true;
    QList<WineAstHttpDownload *> &queue = downloadQueue();
    while (!queue.isEmpty() && runningDownloads() == 0) {
        WineAstHttpDownload *next = queue.first();
        auto label = qobject_cast<IconLabel *>(next->parent());
        if (label && isPicture(label->m_cacheFile)) {
            label->releaseDownload();
            label->showPicture();
            continue;
        }
        // A download that ends at once leaves the queue through slotStatus().
        next->startDownLoad();
    }
    pumping = false;
}
