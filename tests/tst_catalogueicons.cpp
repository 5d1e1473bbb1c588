#include "catalogueserver.h"
#include "iconlabel.h"
#include "isolatedhome.h"
#include "licontheme.h"
#include "platformtestutil.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int Timeout = 20000;
constexpr int LabelCount = 20;

bool writePng(const QString &path, const QColor &color)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

using PlatformTest::readAll;
using PlatformTest::writeAll;

std::unique_ptr<IconLabel> makeLabel(const QString &address, const QString &key)
{
    auto label = std::make_unique<IconLabel>(QString(), QString());
    label->setFixedSize(48, 48);
    label->setPicture(address, key);
    return label;
}

bool queueDrained()
{
    return QTest::qWaitFor([] { return IconLabel::queuedDownloads() == 0; }, Timeout);
}

// Everything below dir, as paths relative to it.
QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

/*
 * The icon label's cache and its process-wide download queue against the
 * reference service's file server.
 */
class TstCatalogueIcons : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<CatalogueServer> m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        for (int i = 0; i < LabelCount; ++i)
            QVERIFY(writePng(m_root.filePath(QString("icon%1.png").arg(i)), Qt::red));
        QVERIFY(writePng(m_root.filePath("shared.png"), Qt::green));
        QVERIFY(writeAll(m_root.filePath("bad.png"), "<html>not a picture</html>"));
        // A real picture of 1.4 MB (noise does not compress), and one of
        // 15000 x 15000 pixels in a few kilobytes.
        QImage noise(600, 600, QImage::Format_ARGB32);
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, QRandomGenerator::global()->generate());
        }
        QVERIFY(noise.save(m_root.filePath("heavy.png")));
        QVERIFY(QFileInfo(m_root.filePath("heavy.png")).size() > 1024 * 1024);
        QImage huge(15000, 15000, QImage::Format_Mono);
        huge.fill(0);
        QVERIFY(huge.save(m_root.filePath("huge.png")));
        m_server = std::make_unique<CatalogueServer>(m_root.path());
        QVERIFY(m_server->isRunning());
    }

    void init()
    {
        QVERIFY(queueDrained());
        QDir(IconLabel::cacheRoot()).removeRecursively();
        QDir(IconLabel::cacheRoot(IconLabel::UserPicture)).removeRecursively();
    }

    void twentyLabelsDownloadOneAtATimeInOrder()
    {
        const int before = m_server->requests().size();
        std::vector<std::unique_ptr<IconLabel>> labels;
        for (int i = 0; i < LabelCount; ++i)
            labels.push_back(makeLabel(m_server->fileUrl(QString("icon%1.png").arg(i)),
                                       QString("app%1").arg(i)));
        QCOMPARE(IconLabel::queuedDownloads(), LabelCount);
        QCOMPARE(IconLabel::runningDownloads(), 1);
        QVERIFY(queueDrained());

        // The service saw each picture's requests in turn, in the labels' order:
        // one download at a time.
        QStringList expected;
        for (int i = 0; i < LabelCount; ++i) {
            const QString target = QString("/files/icon%1.png").arg(i);
            expected << "HEAD " + target << "GET " + target;
        }
        QStringList seen;
        for (const QString &line : m_server->requests().mid(before))
            seen << line.section(QLatin1Char(' '), 0, 1);
        QCOMPARE(seen, expected);
        for (const auto &label : labels) {
            QVERIFY(label->showsPicture());
            QVERIFY(QFile::exists(label->cacheFile()));
        }
    }

    void labelsOfOneKeyShareOneCacheFile()
    {
        const QString address = m_server->fileUrl("shared.png");
        const int gets = m_server->requests("GET").size();
        auto first = makeLabel(address, "Shared App");
        auto second = makeLabel(address, "Shared App");
        QVERIFY(queueDrained());
        QCOMPARE(first->cacheFile(), second->cacheFile());
        QVERIFY(first->showsPicture());
        QVERIFY(second->showsPicture());
        // The second found the first's file and fetched nothing.
        QCOMPARE(m_server->requests("GET").size(), gets + 1);
        QCOMPARE(filesBelow(IconLabel::cacheRoot()), QStringList{"Shared App/icon"});

        // A user of that name has a picture of their own, kept apart.
        IconLabel user;
        user.setFixedSize(48, 48);
        user.setCacheKind(IconLabel::UserPicture);
        user.setPicture(m_server->fileUrl("icon0.png"), "Shared App");
        QVERIFY(queueDrained());
        QCOMPARE(user.pixmap(Qt::ReturnByValue).toImage().pixelColor(24, 24), QColor(Qt::red));
        QCOMPARE(first->pixmap(Qt::ReturnByValue).toImage().pixelColor(24, 24), QColor(Qt::green));
        QCOMPARE(filesBelow(IconLabel::cacheRoot(IconLabel::UserPicture)),
                 QStringList{"Shared App/icon"});
    }

    void localAddressesAreNotFetched()
    {
        const int requests = m_server->requests().size();
        const QString resource = LIconTheme::builtinPrefix() + "lw_headerIcon.svg";
        auto label = makeLabel(resource, "Resource App");
        QCOMPARE(IconLabel::queuedDownloads(), 0);
        QVERIFY(label->showsPicture());
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(48, 48));
        QTest::qWait(100);
        QCOMPARE(m_server->requests().size(), requests);
        QVERIFY(!QDir(IconLabel::cacheRoot()).exists("Resource App"));

        // A catalogue address naming one of the user's files shows the
        // placeholder; the file is not the cache's to delete.
        const QString document = QDir::home().filePath("notes.txt");
        QVERIFY(writeAll(document, "my notes"));
        auto notes = makeLabel(document, "Notes");
        QCOMPARE(IconLabel::queuedDownloads(), 0);
        QVERIFY(!notes->showsPicture());
        QVERIFY(!notes->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(QFile::exists(document));
    }

    void corruptCacheFileIsFetchedAgain()
    {
        const QString cached = IconLabel::cacheDirFor("Corrupt") + "/icon";
        QVERIFY(QDir().mkpath(QFileInfo(cached).path()) && writeAll(cached, "garbage"));
        auto label = makeLabel(m_server->fileUrl("icon0.png"), "Corrupt");
        QCOMPARE(IconLabel::queuedDownloads(), 1);
        QVERIFY(queueDrained());
        QVERIFY(label->showsPicture());
        QVERIFY(!QImage(cached).isNull());
    }

    void cacheKeysStayInsideTheCache()
    {
        // Keys a hostile catalogue could send: each gets one plain directory
        // right below the cache, and a plain name stays readable.
        const QStringList keys = {"../../../escaped",
                                  "a/b",
                                  "..",
                                  ".config",
                                  "it's \"quoted\" `x` $HOME",
                                  "line\nbreak",
                                  QString(),
                                  QString(300, QChar(0x753b)),
                                  "画图助手"};
        std::vector<std::unique_ptr<IconLabel>> labels;
        for (const QString &key : keys)
            labels.push_back(makeLabel(m_server->fileUrl("icon1.png"), key));
        QVERIFY(queueDrained());
        const QString root = IconLabel::cacheRoot();
        for (const auto &label : labels) {
            QVERIFY(label->showsPicture());
            const QString name = QFileInfo(label->cacheFile()).dir().dirName();
            QCOMPARE(label->cacheFile(), root + name + "/icon");
            QVERIFY2(!name.isEmpty() && !name.startsWith(QLatin1Char('.')), qPrintable(name));
            for (const QChar c : QString("\\\"'`$\n"))
                QVERIFY2(!name.contains(c), qPrintable(name));
            QVERIFY(name.toUtf8().size() <= 255);
        }
        QCOMPARE(labels.back()->cacheFile(), root + "画图助手/icon");
        // Nothing was written anywhere else.
        for (const QString &file : filesBelow(root))
            QVERIFY2(file.count(QLatin1Char('/')) == 1, qPrintable(file));
        QVERIFY(!QFile::exists(QDir::homePath() + "/.cache/escaped"));
    }

    void failedDownloadKeepsPlaceholder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("not found") << QString("missing.png");
        QTest::newRow("not a picture") << QString("bad.png");
    }

    void failedDownloadKeepsPlaceholder()
    {
        QFETCH(QString, file);
        auto label = makeLabel(m_server->fileUrl(file), "Gone");
        QCOMPARE(IconLabel::queuedDownloads(), 1);
        QVERIFY(queueDrained());
        QVERIFY(!label->showsPicture());
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(filesBelow(IconLabel::cacheRoot()), QStringList());
    }

    void oversizedPictureIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("1.4 MB") << QString("heavy.png") << QStringList();
        QTest::newRow("1.4 MB, no length")
                << QString("heavy.png") << QStringList{"--no-content-length"};
        QTest::newRow("15000 px") << QString("huge.png") << QStringList();
    }

    void oversizedPictureIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        CatalogueServer server(m_root.path(), options);
        QVERIFY(server.isRunning());
        auto label = makeLabel(server.fileUrl(file), "Big");
        QVERIFY(queueDrained());
        QCOMPARE(server.requests("GET").size(), 1);
        // Nothing kept, not even the directory; the placeholder on show.
        QVERIFY(!QFileInfo::exists(IconLabel::cacheDirFor("Big")));
        const auto placeholder = makeLabel(LIconTheme::builtinPrefix() + "lw_space.svg", "P");
        QCOMPARE(label->pixmap(Qt::ReturnByValue).toImage(),
                 placeholder->pixmap(Qt::ReturnByValue).toImage());
    }
};

int main(int argc, char **argv)
{
    IsolatedHome home;
    QApplication app(argc, argv);
    TstCatalogueIcons test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_catalogueicons.moc"
