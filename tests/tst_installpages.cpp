// The pages of the install window on their own: what they show, which
// input they take and what their buttons report.

#include "installflowtestutil.h"
#include "isolatedhome.h"
#include "llineedit.h"
#include "lwaterprogress.h"
#include "platformtestutil.h"
#include "starrating.h"
#include "wnappinfowidget.h"
#include "wnappinstallwidget.h"
#include "wninstallmethodwidget.h"
#include "wnmethoditem.h"
#include "wnrecoverinstallwidget.h"
#include "wnunkownappinstallwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace PlatformTest;

namespace {

TPeInfo fooInfo()
{
    TPeInfo info;
    info.peFilePath = QStringLiteral("/somewhere/foo-setup.exe");
    info.peProductName = QStringLiteral("Foo");
    info.peProductVersion = QStringLiteral("1.2.3");
    info.peFileType = QStringLiteral("Win64 EXE");
    info.peIconFile = fixture(QStringLiteral("foo-48.png"));
    return info;
}

TPublishedAppInfo recommended(const QString &name, double score, int installType = 0)
{
    TPublishedAppInfo info;
    info.appName = name;
    info.version = QStringLiteral("1.0");
    info.score = score;
    info.installType = installType;
    return info;
}

const TPublishedAppInfo fallback = recommended(QString(), 0, 1);

QStringList starsOf(const WnMethodItem *item)
{
    QStringList names;
    for (const QLabel *label : item->findChildren<QLabel *>())
        names.append(label->objectName());
    return names.filter(QRegularExpression(QStringLiteral("\\.svg$")));
}

QStringList itemTexts(const WnInstallMethodWidget &page)
{
    QStringList texts;
    for (const WnMethodItem *item : page.items())
        texts.append(item->data().installType == 1 ? QStringLiteral("default")
                                                   : item->data().appName);
    return texts;
}

} // namespace

class TestInstallPages : public QObject
{
    Q_OBJECT
private slots:
    void appInfoShowsProgramAndTakesName()
    {
        WnAppInfoWidget page;
        page.show();
        page.agreementBox()->click();
        // Checked, but nothing read yet.
        QVERIFY(!page.nextButton()->isEnabled());
        page.agreementBox()->click();
        TPeInfo info = fooInfo();
        info.peProductVersion.clear();
        page.setPeInfo(info);
        QStringList texts;
        bool icon = false;
        for (const QLabel *label : page.findChildren<QLabel *>()) {
            texts.append(label->text());
            icon = icon || !label->pixmap(Qt::ReturnByValue).isNull();
        }
        // Without version information the page shows and hands on 1.0.0.0.
        for (const char *text : {"Win64 EXE", "Foo", "1.0.0.0"})
            QVERIFY2(texts.contains(QLatin1String(text)), text);
        QCOMPARE(page.peInfo().peProductVersion, QStringLiteral("1.0.0.0"));
        QVERIFY(icon);
        QCOMPARE(page.peInfo().peFilePath, info.peFilePath);
        QVERIFY(!page.nextButton()->isEnabled());
        page.agreementBox()->click();
        QVERIFY(page.nextButton()->isEnabled());

        QLineEdit *edit = page.nameEditor()->lineEdit();
        QVERIFY(!page.nameEditor()->isVisible());
        QPushButton *pencil = nullptr;
        for (QPushButton *button : page.findChildren<QPushButton *>()) {
            if (button->size() == QSize(12, 12))
                pencil = button;
        }
        QVERIFY(pencil);
        pencil->click();
        QVERIFY(page.nameEditor()->isVisible());
        QCOMPARE(edit->cursorPosition(), 0);
        // Cleared: disabled; only blanks: enabled but not taken as the name.
        edit->clear();
        QVERIFY(!page.nextButton()->isEnabled());
        edit->setText(QStringLiteral("   "));
        QVERIFY(page.nextButton()->isEnabled());
        QCOMPARE(page.peInfo().peProductName, QStringLiteral("Foo"));
        // A slash between two letters is refused; the rest is taken.
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("a/b"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("  Bar Pro "));
        emit edit->editingFinished();
        QVERIFY(!page.nameEditor()->isVisible());
        QCOMPARE(page.peInfo().peProductName, QStringLiteral("Bar Pro"));
    }

    void methodsBestThreeAndDefault()
    {
        WnInstallMethodWidget page;
        page.show();
        QSignalSpy begin(&page, &WnInstallMethodWidget::s_BeginInstall);
        page.installButton()->click();
        QCOMPARE(begin.takeFirst().at(0).toInt(), -1);

        page.setMethods({recommended("a", 4.5), recommended("b", 3), recommended("c", 5),
                         recommended("d", 1), recommended("e", 2), fallback},
                        fooInfo());
        QCOMPARE(itemTexts(page), (QStringList{"c", "a", "b", "default"}));
        QVERIFY(page.items().first()->isChecked());
        QCOMPARE(starsOf(page.items().at(3)), QStringList());
        // The best one is shown first and is entry 2 of the list.
        page.installButton()->click();
        QCOMPARE(begin.takeFirst().at(0).toInt(), 2);
        // The default configuration, shown fourth, is the list's last entry.
        QTest::mouseClick(page.items().at(3), Qt::LeftButton);
        QVERIFY(page.items().at(3)->isChecked());
        page.installButton()->click();
        QCOMPARE(begin.takeFirst().at(0).toInt(), 5);

        // Rebuilt from scratch, one checked at a time.
        page.setMethods({recommended("x", 1), fallback}, fooInfo());
        QCOMPARE(itemTexts(page), (QStringList{"x", "default"}));
        page.onItemClicked(page.items().at(1));
        QVERIFY(!page.items().at(0)->isChecked());
        QVERIFY(page.items().at(1)->isChecked());

        // The default configuration is found wherever it stands.
        page.setMethods({fallback, recommended("x", 1)}, fooInfo());
        QCOMPARE(itemTexts(page), (QStringList{"x", "default"}));
        page.onItemClicked(page.items().at(1));
        page.installButton()->click();
        QCOMPARE(begin.takeFirst().at(0).toInt(), 0);
    }

    void starRule_data()
    {
        // F full, H half, E empty; empty when nothing is drawn.
        QTest::addColumn<double>("score");
        QTest::addColumn<double>("ratedFrom");
        QTest::addColumn<QString>("stars");
        const double one = StarRating::FromOneStar;
        const double always = StarRating::Always;
        QTest::newRow("4.5") << 4.5 << always << "FFFFH";
        QTest::newRow("0.5") << 0.5 << always << "HEEEE";
        QTest::newRow("0.5 unrated") << 0.5 << one << "";
        QTest::newRow("1") << 1.0 << one << "FEEEE";
        QTest::newRow("2.504") << 2.504 << one << "FFEEE";
        QTest::newRow("2.501") << 2.501 << one << "FFHEE";
        QTest::newRow("5.5 capped") << 5.5 << one << "FFFFF";
        QTest::newRow("negative") << -1.0 << always << "EEEEE";
    }

    void starRule()
    {
        QFETCH(double, score);
        QFETCH(double, ratedFrom);
        QFETCH(QString, stars);
        QString letters;
        for (const StarRating::Star star : StarRating::stars(score, ratedFrom))
            letters += QLatin1Char("FHE"[star]);
        QCOMPARE(letters, stars);
    }

    void methodItemStars()
    {
        // A configuration shows its score's five pictures, also when low.
        WnMethodItem item;
        item.setData(recommended(QStringLiteral("Foo"), 0.5),
                     fixture(QStringLiteral("foo-48.png")));
        const QString e = QStringLiteral("graystar.svg");
        QCOMPARE(starsOf(&item), (QStringList{QStringLiteral("green_graystar.svg"), e, e, e, e}));
    }

    void progressViewsAndActions()
    {
        WnAppInstallWidget page;
        page.show();
        QSignalSpy cancel(&page, &WnAppInstallWidget::s_CancelProcess),
                start(&page, &WnAppInstallWidget::s_StartApp),
                feedback(&page, &WnAppInstallWidget::s_CommitFeedback),
                retry(&page, &WnAppInstallWidget::s_RetryDownload),
                retryExtract(&page, &WnAppInstallWidget::s_RetryExtract);

        page.setState(WnAppInstallWidget::Downloading);
        QCOMPARE(page.statusLabel()->text(), QStringLiteral("正在下载应用，请稍后"));
        QVERIFY(page.progress()->isVisible());
        QVERIFY(page.cancelButton()->isVisible());
        QVERIFY(!page.actionButton()->isVisible());
        for (int value : {40, 0, 101})
            page.setProgress(value);
        QCOMPARE(page.progress()->value(), 40);
        page.cancelButton()->click();
        QCOMPARE(cancel.size(), 1);

        struct Case
        {
            int state;
            bool success;
            QString action, status;
            QSignalSpy *spy;
        } const cases[] = {
                {WnAppInstallWidget::Installed, true, "立即启动", "安装成功", &start},
                {WnAppInstallWidget::Downloading, false, "重试", "网络故障，请确保网络畅通后重试",
                 &retry},
                {WnAppInstallWidget::Unpacking, false, "提交反馈失败信息", "解压失败",
                 &retryExtract},
                {WnAppInstallWidget::Installing, false, "提交反馈失败信息", "安装失败", &feedback},
        };
        for (const Case &c : cases) {
            page.setState(c.state);
            page.showResult(c.success);
            QVERIFY(!page.progress()->isVisible());
            QVERIFY(!page.cancelButton()->isVisible());
            QVERIFY(page.closeButton()->isVisible());
            QCOMPARE(page.actionButton()->text(), c.action);
            QCOMPARE(page.statusLabel()->text(), c.status);
            const int before = c.spy->size();
            page.actionButton()->click();
            QCOMPARE(c.spy->size(), before + 1);
        }
        page.closeButton()->click();
        QCOMPARE(cancel.size(), 2);
    }

    void buttonsReport()
    {
        // The default page starts the default configuration where it is, and
        // nothing before one arrived.
        WnUnkownAppInstallWidget unknown;
        QSignalSpy begin(&unknown, &WnUnkownAppInstallWidget::s_BeginInstall);
        QVERIFY(!unknown.installButton()->isEnabled());
        unknown.setDefaultIndex(2);
        unknown.installButton()->click();
        QCOMPARE(begin.size(), 1);
        QCOMPARE(begin.first().at(0).toInt(), 2);
        WnRecoverInstallWidget recover;
        QSignalSpy again(&recover, &WnRecoverInstallWidget::s_RecoverInstall);
        QSignalSpy cancel(&recover, &WnRecoverInstallWidget::s_CancelInstall);
        recover.recoverButton()->click();
        QCOMPARE(qMakePair(again.size(), cancel.size()), qMakePair(1, 0));
        recover.cancelButton()->click();
        QCOMPARE(qMakePair(again.size(), cancel.size()), qMakePair(1, 1));
    }
};

int main(int argc, char *argv[])
{
    IsolatedHome home;
    QApplication app(argc, argv);
    TestInstallPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installpages.moc"
