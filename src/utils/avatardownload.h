#ifndef AVATARDOWNLOAD_H
#define AVATARDOWNLOAD_H

#include <QString>

#include <functional>

class QObject;

/*
 * Fetches the user's picture with wget. The picture appears at its path only
 * when the whole download succeeded and decodes as a picture; a failed or
 * cut-off download, or a reply that is no picture, leaves nothing there.
 */
class AvatarDownload
{
public:
    // Only http and https addresses are fetched. Blocks for at most timeoutMs.
    static bool fetch(const QString &address, const QString &path, int timeoutMs = 30000);
    // The same on a worker thread; done(result) runs on the context's thread,
    // and not at all once the context is gone.
    static void fetchInBackground(const QString &address, const QString &path,
                                  const QObject *context, std::function<void(bool)> done);
};

#endif // AVATARDOWNLOAD_H
