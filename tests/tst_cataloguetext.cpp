#include "appinstallablemainwidget.h"
#include "appinstallablesubwidget.h"
#include "appinstallablewidget.h"
#include "catalogueapiserver.h"
#include "hostilecatalogue.h"
#include "isolatedhome.h"
#include "itemwidget.h"
#include "llabel.h"
#include "multiappinfowidget.h"
#include "multiselectlistview.h"
#include "plaintext.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wnmethoditem.h"
#include "wnrecoverinstallwidget.h"

#include <QApplication>
#include <QLabel>
#include <QStandardItemModel>
#include <QTextDocument>
#include <QtTest>

namespace {

constexpr int Timeout = 15000;

using namespace HostileCatalogue;

// What a label shows: markup only when it takes its text as rich text.
bool rendersMarkup(const QLabel *label)
{
    return label->textFormat() == Qt::RichText
           || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// What a tool tip shows: tool tips render rich text when it looks like such.
QString shownToolTip(const QString &tip)
{
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

QStringList labelTexts(const QWidget *root)
{
    QStringList texts;
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        // Only the privacy link is markup of our own.
        if (rendersMarkup(label) && !label->openExternalLinks())
            texts << QStringLiteral("MARKUP: ") + label->text();
        else
            texts << label->text();
        if (!label->toolTip().isEmpty())
            texts << shownToolTip(label->toolTip());
    }
    return texts;
}

} // namespace

/*
 * Texts from outside (a hostile catalogue served by the reference service,
 * a program's version resource) in every place that shows them: each is
 * shown as the characters it holds, long ones cut, and nothing is loaded
 * from what looks like markup.
 */
class TstCatalogueText : public QObject
{
    Q_OBJECT

private slots:
    void cataloguePagesShowPlainText()
    {
        QTemporaryDir data;
        QVERIFY(CatalogueApiServer::writeCatalogue(data.path(), catalogue()));
        CatalogueApiServer server(data.path());
        QVERIFY(server.isRunning());
        server.use();

        Appinstallablewidget page;
        page.resize(850, 630);
        page.show();
        Appinstallablemainwidget *list = page.mainWidget();
        QVERIFY(QTest::qWaitFor([list] { return list->model()->rowCount() == 2; }, Timeout));
        list->listView()->createVisibleRowWidgets();
        const QList<ItemWidget *> rows = page.findChildren<ItemWidget *>();
        QCOMPARE(rows.size(), 2);
        for (const ItemWidget *row : rows) {
            // Cut to the row, the whole name in the tool tip, as it stands.
            const QString full = row->appInfo().appName;
            const auto name = row->findChild<QLabel *>(QStringLiteral("name"));
            QVERIFY(!rendersMarkup(name));
            QCOMPARE(name->text() == full ? full : shownToolTip(name->toolTip()),
                     PlainText::bounded(full));
        }

        const QStringList names{Bold, Huge};
        for (int row = 0; row < names.size(); ++row) {
            list->listView()->setCurrentIndex(list->model()->index(row, 0));
            Appinstallablesubwidget *detail = page.detailWidget();
            QCOMPARE(detail->versions().first().appName, names.at(row));
            detail->toggleVersionList();
            QTest::qWait(50);
            const QStringList texts = labelTexts(&page);
            QCOMPARE(texts.filter(QStringLiteral("MARKUP")), QStringList());
            const TPublishedAppInfo &best = detail->versions().first();
            for (const QString &text : {best.appName, best.version, best.createdAt, best.author})
                QVERIFY2(texts.contains(PlainText::bounded(text)), qPrintable(text.left(40)));
            detail->toggleVersionList();
        }
        QCOMPARE(PlainText::bounded(Huge).size(), PlainText::MaxLength);

        page.showSearchResult(Bold);
        QCOMPARE(list->titleLabel()->text(), Bold + QStringLiteral("的搜索结果"));
        QVERIFY(!rendersMarkup(list->titleLabel()));
        // A page grab paints every label.
        QVERIFY(!page.grab().isNull());
    }

    void installPagesShowPlainText()
    {
        TPeInfo pe;
        pe.peProductName = Bold;
        pe.peProductVersion = LocalImage;
        pe.peFileType = Link;
        WnAppInfoWidget info;
        info.setPeInfo(pe);
        WnAppInstallWidget progress;
        progress.setAppName(EndlessImages);
        WnRecoverInstallWidget recover;
        recover.setAppName(Huge);
        TPublishedAppInfo published;
        published.appName = Bold;
        published.version = Link;
        WnMethodItem method;
        method.setData(published, QString());

        const QList<QWidget *> pages{&info, &progress, &recover, &method};
        QStringList texts;
        for (const QWidget *page : pages)
            texts << labelTexts(page);
        QCOMPARE(texts.filter(QStringLiteral("MARKUP")), QStringList());
        for (const QString &text :
             {Bold, LocalImage, Link, EndlessImages, PlainText::bounded(Huge)})
            QVERIFY2(texts.contains(text), qPrintable(text.left(40)));
        const auto methodText = method.findChildren<QLabel *>();
        QVERIFY(std::any_of(methodText.cbegin(), methodText.cend(), [](const QLabel *label) {
            return shownToolTip(label->toolTip()) == Bold + QLatin1Char('/') + Link;
        }));
    }
};

int main(int argc, char **argv)
{
    IsolatedHome home;
    QApplication app(argc, argv);
    TstCatalogueText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cataloguetext.moc"
