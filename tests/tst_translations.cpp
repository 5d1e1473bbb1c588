// Refreshes each translation file from the sources into a scratch copy, the
// way the update_translations target does, and checks the result: the English
// file translates every text, the Chinese one every text that is not already
// Chinese, and neither keeps a text the sources no longer have.

#include "isolatedhome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readMessages(const QString &tsPath)
{
    QList<Message> messages;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    return messages;
}

bool isChinese(const QString &text)
{
    static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{9fff}]"));
    return text.contains(han);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// What is wrong with one message of a refreshed file, or an empty string.
QString fault(const Message &message, bool needsTranslation)
{
    if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
        return QStringLiteral("no longer in the sources");
    if (!needsTranslation)
        return {};
    if (message.type == QLatin1String("unfinished") || message.translation.isEmpty())
        return QStringLiteral("untranslated");
    if (placeholders(message.translation) != placeholders(message.source))
        return QStringLiteral("placeholders differ: %1").arg(message.translation);
    return {};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_scratch.isValid()); }

    void complete_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("zh_CN") << QStringLiteral("zh_CN");
    }

    void complete()
    {
        QFETCH(QString, language);
        const QString path = refreshed(language);
        QVERIFY(!path.isEmpty());
        const QList<Message> messages = readMessages(path);
        QVERIFY2(messages.size() > 20, "the sources' texts were not found");

        const bool english = language == QLatin1String("en");
        QStringList faults;
        for (const Message &message : messages) {
            // Chinese keeps the Chinese source texts as they are.
            const bool needsTranslation = english || !isChinese(message.source);
            QString problem = fault(message, needsTranslation);
            if (problem.isEmpty() && english && isChinese(message.translation))
                problem = QStringLiteral("still Chinese: %1").arg(message.translation);
            if (!problem.isEmpty())
                faults << QStringLiteral("%1 \"%2\": %3")
                                  .arg(message.context, message.source, problem);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

private:
    // The language's .ts file as the sources make it now.
    QString refreshed(const QString &language)
    {
        const QString name = QStringLiteral("lirvan-wine-assist_%1.ts").arg(language);
        const QString copy = m_scratch.filePath(name);
        QFile::remove(copy);
        if (!QFile::copy(QStringLiteral(LWA_SOURCE_DIR "/src/translations/") + name, copy))
            return {};
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(LWA_SOURCE_DIR "/src"));
        lupdate.start(QStringLiteral(LWA_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("."),
                       QStringLiteral("-ts"), copy});
        if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
            return {};
        return copy;
    }

    QTemporaryDir m_scratch;
};

int main(int argc, char **argv)
{
    IsolatedHome home;
    QCoreApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
