#ifndef ICONLABEL_H
#define ICONLABEL_H

#include "llabel.h"

#include <QPixmap>

class WineAstHttpDownload;

/*
 * A label that shows a remote picture (an application icon, an uploader's
 * avatar) from a per-user cache, downloading it when the cached copy is
 * missing. The downloads of all icon labels of the process run one after
 * another, in the order in which the labels asked for them; a label that is
 * hidden gives its place up and asks again once shown. A picture above
 * 1 MB or 1024 pixels a side is refused: the placeholder stays and nothing
 * of it is kept.
 */
class IconLabel : public LLabel
{
    Q_OBJECT
public:
    explicit IconLabel(const QString &address = QString(), const QString &key = QString(),
                       QWidget *parent = nullptr);
    ~IconLabel() override;

    // What the pictures are: they are cached in separate places, so that a
    // user and an application of the same name never share a picture.
    enum CacheKind { AppIcon, UserPicture };
    // Takes effect at the next setPicture().
    void setCacheKind(CacheKind kind) { m_kind = kind; }
    void setPicture(const QString &address, const QString &key);

    QString address() const { return m_address; }
    QString cacheFile() const { return m_cacheFile; }
    // True when the label shows its own picture rather than the placeholder.
    bool showsPicture() const { return m_showsPicture; }

    // The directory that caches the pictures of this key: the key as one
    // path component below the icon cache, whatever characters it holds.
    static QString cacheDirFor(const QString &key, CacheKind kind = AppIcon);
    static QString cacheRoot(CacheKind kind = AppIcon);
    // Downloads waiting or running across the process, and those running.
    static int queuedDownloads();
    static int runningDownloads();
    // True while this label's own download is under way.
    bool isDownloading() const;

public slots:
    void slotStatus(int status, QString strCode);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool showPicture();
    void scalePicture();
    void acceptDownloadedFile();
    void releaseDownload();
    void discardPartFile() const;
    void onDownloadProgress(qlonglong current, qlonglong total);
    QString partFile() const;

    static void pumpQueue();

    QString m_address;
    QString m_key;
    QString m_cacheFile;
    CacheKind m_kind = AppIcon;
    QPixmap m_picture;
    bool m_showsPicture = false;
    bool m_fetchWhenShown = false;
    WineAstHttpDownload *m_download = nullptr;
};

#endif // ICONLABEL_H
