// The installed-applications page: rows and their values from the registry,
// what the delegate paints, the empty notice, the context menu, the row
// buttons, the tips and failure notices, and the actions through
// the real start manager on the session bus and the real uninstall.

#include "appinstalledwidget.h"
#include "confirmationanswerer.h"
#include "containerinstallerobj.h"
#include "containerinstallview_dialog.h"
#include "dataitemdelegate.h"
#include "datalistview.h"
#include "datamodel.h"
#include "installedviewtestutil.h"
#include "isolatedhome.h"
#include "jsonoperator.h"
#include "lapplication.h"
#include "platformtestutil.h"
#include "startmanagertestutil.h"
#include "uninstallconfirmation.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <array>
#include <memory>

using namespace InstalledViewTest;

namespace {

const QString StartManagerService = "com.lirvan.SessionManager";

QString appsDir()
{
    return QDir::homePath() + "/.lirvanwine/apps/";
}

void registerApp(const TInstalledAppInfo &info)
{
    WineInstalledApps::instance()->addInstalledApps(info);
}

// A default-configuration application whose bottle exists.
TInstalledAppInfo defaultApp(const QString &name)
{
    TInstalledAppInfo info = app(name, name);
    info.publishedAppInfo.installType = 1;
    QDir().mkpath(info.bottlePath);
    return info;
}

QStringList appNames(const DataModel *model)
{
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->appInfo(row).appName);
    return names;
}

// The texts of one column, row by row.
QStringList columnTexts(const DataModel *model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

// A value of the name cell, which carries the name and the icon.
QString nameCell(const DataModel *model, int row, const char *key)
{
    return model->index(row, DataModel::ColumnName)
            .data()
            .toJsonObject()
            .value(QLatin1String(key))
            .toString();
}

// The menu's entries, without separators.
QList<QAction *> entries(const QMenu *menu)
{
    QList<QAction *> actions = menu->actions();
    actions.erase(std::remove_if(actions.begin(), actions.end(),
                                 [](const QAction *entry) { return entry->isSeparator(); }),
                  actions.end());
    return actions;
}

void sendMouseMove(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 20;
}

bool isGrey(QRgb pixel)
{
    const int r = qRed(pixel);
    return qAbs(r - qGreen(pixel)) < 8 && qAbs(r - qBlue(pixel)) < 8 && r > 120 && r < 236;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 140;
}

bool anyPixel(const QImage &image, const QRect &rect, bool (*test)(QRgb))
{
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (test(image.pixel(x, y)))
                return true;
        }
    }
    return false;
}

// The colours of a cell from left to right, a run of columns as one letter:
// G green (a full or half star), g grey only (the empty part).
QString colourRuns(const QImage &image, const QRect &cell)
{
    QString runs;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        const QRect column(x, cell.top(), 1, cell.height());
        const QChar c = anyPixel(image, column, isGreen)  ? QLatin1Char('G')
                        : anyPixel(image, column, isGrey) ? QLatin1Char('g')
                                                          : QChar();
        if (!c.isNull() && !runs.endsWith(c))
            runs += c;
    }
    return runs;
}

} // namespace

class TestInstalledView : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's file manager.
    void openUrl(const QUrl &url) { m_openedUrls.append(url); }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        PlatformTest::useBuildPlatform();
        // The start manager on this test's session bus, when it has one.
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected() && !bus.interface()->isServiceRegistered(StartManagerService)) {
            m_startManager.start(QStringLiteral(LWA_START_MANAGER), QStringList());
            QVERIFY(m_startManager.waitForStarted());
            QTRY_VERIFY(bus.interface()->isServiceRegistered(StartManagerService));
        }
    }
    void init()
    {
        QFile::remove(installedAppsFilePath());
        WineInstalledApps::instance()->initInstalledApps();
        for (const char *dir :
             {"/.lirvanwine", "/.local/share/icons", "/.local/share/applications"})
            QDir(QDir::homePath() + dir).removeRecursively();
        QVERIFY(QDir().mkpath(appsDir()));
        m_openedUrls.clear();
    }
    void cleanup()
    {
        m_page.reset();
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        WineApplication::instance()->shutdown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        if (m_startManager.state() != QProcess::NotRunning) {
            m_startManager.terminate();
            m_startManager.waitForFinished(5000);
        }
    }

    void columnValues()
    {
        // The registry's order (by bottle name) differs from the install order.
        TInstalledAppInfo catalogue = app("Cat", "cat", "2026-01-03 10:00:00");
        catalogue.publishedAppInfo.appName = "目录应用";
        catalogue.publishedAppInfo.score = 4.2;
        catalogue.publishedAppInfo.categories = 3;
        catalogue.publishedAppInfo.version = "2.1";
        catalogue.publishedAppInfo.author = "作者甲";
        catalogue.peInfo.peProductVersion = "9.9";

        // The default configuration shows the program file's version always.
        TInstalledAppInfo local = app("Local", "local", "2026-01-01 10:00:00");
        local.publishedAppInfo.installType = 1;
        local.publishedAppInfo.version = "1";
        local.publishedAppInfo.score = -2.5;
        local.publishedAppInfo.categories = -1;
        local.peInfo.peProductVersion = "5.4.3.2";

        for (const TInstalledAppInfo &info : {catalogue, local})
            QVERIFY(openPage({info}));
        const DataModel *model = m_page->model();
        QCOMPARE(nameCell(model, 0, "appName"), QStringLiteral("目录应用"));
        QCOMPARE(model->index(0, DataModel::ColumnScore).data().toJsonObject(),
                 QJsonObject({{QStringLiteral("score"), 4.2}}));
        // A negative score is no rating either, not an empty cell.
        QCOMPARE(columnTexts(model, DataModel::ColumnScore), QStringList({QString(), "暂无评分"}));
        QCOMPARE(columnTexts(model, DataModel::ColumnCategory),
                 QStringList({"音乐欣赏", "其他应用"}));
        QCOMPARE(columnTexts(model, DataModel::ColumnVersion), QStringList({"2.1", "5.4.3.2"}));
        QCOMPARE(columnTexts(model, DataModel::ColumnDate),
                 QStringList({"2026-01-03", "2026-01-01"}));
        QCOMPARE(columnTexts(model, DataModel::ColumnAuthor), QStringList({"作者甲", QString()}));
    }
    void starsPainted_data()
    {
        // Green stars first, then the grey of the half and empty ones.
        QTest::addColumn<double>("score");
        QTest::addColumn<QString>("colours");
        QTest::newRow("3.5") << 3.5 << QStringLiteral("Gg");
        QTest::newRow("0") << 0.0 << QString();
    }
    void starsPainted()
    {
        QFETCH(double, score);
        QFETCH(QString, colours);
        // Two rows, so that the odd row's background is under the stars too.
        for (int row = 0; row < 2; ++row) {
            TInstalledAppInfo info = app(QString::number(row), QString::number(row),
                                         QStringLiteral("2026-01-0%1 00:00:00").arg(2 - row));
            info.publishedAppInfo.score = score;
            registerApp(info);
        }
        QVERIFY(openPage());
        const QImage image = m_page->view()->viewport()->grab().toImage();
        for (int row = 0; row < 2; ++row) {
            const QRect score = cell(row, DataModel::ColumnScore);
            QCOMPARE(m_page->model()->index(row, DataModel::ColumnScore).data().toString(),
                     colours.isEmpty() ? QStringLiteral("暂无评分") : QString());
            // Unrated: the text only, whose edges may be grey, no star.
            const QString painted = colourRuns(image, score);
            QVERIFY2(colours.isEmpty() ? !painted.contains(QLatin1Char('G')) : painted == colours,
                     qPrintable(painted));
        }
    }
    void iconChoiceOrder()
    {
        TInstalledAppInfo info = app("Icons", "icons");
        info.desktopInfo.icon = "demo";
        info.peInfo.peIconFile = QDir::homePath() + "/.cache/pe-icon.png";
        const QString svgA = userIconPath("hicolor/48x48/apps/demo.svg");
        const QString svgB = userIconPath("hicolor/scalable/apps/DEMO.SVG");
        const QString png = userIconPath("hicolor/32x32/apps/Demo.png");
        QVERIFY(writeSvgIcon(svgA, Qt::red) && writeSvgIcon(svgB, Qt::blue));
        QVERIFY(writePngIcon(png, Qt::green));
        QVERIFY(writePngIcon(info.peInfo.peIconFile, Qt::yellow));
        QVERIFY(openPage({info}));
        DataModel *model = m_page->model();
        const auto icon = [model] {
            return nameCell(model, 0, "icon");
        };

        // Of the SVG files the last path in sort order, ignoring the name's case.
        // Then the PNG file, then the program file's icon.
        // The icon directory is looked at again on a worker thread.
        for (const QString &expected : {svgB, svgA, png, info.peInfo.peIconFile}) {
            QTRY_COMPARE(icon(), expected);
            QVERIFY(QFile::remove(expected));
            model->slotRefreshDataList();
        }
        QTRY_COMPARE(icon(),
                     QStringLiteral(":/icons/lirvan/builtin/icons/lw_default_install_14.svg"));
        QVERIFY(QFile::exists(icon()));
    }
    void emptyLabelShownAndHidden()
    {
        QVERIFY(openPage());
        QLabel *label = m_page->view()->emptyLabel();
        QCOMPARE(label->text(), QStringLiteral("No install infomation"));
        QVERIFY(label->isVisible());

        // As the install flow does when an installation ends: the row is
        // there without a turn of the event loop.
        const TInstalledAppInfo info = app("One", "one");
        CommonJsonOperator::writeToJasonfile(info, installedAppsFilePath());
        registerApp(info);
        QCOMPARE(appNames(m_page->model()), QStringList{"One"});
        QVERIFY(!label->isVisible());
        WineInstalledApps::instance()->removeInstallApps(info);
        QVERIFY(label->isVisible());
    }
    void contextMenu()
    {
        // Only the start-up load lists a record without a bottle path.
        TInstalledAppInfo broken = app("Broken", "broken");
        broken.bottlePath.clear();
        CommonJsonOperator::writeToJasonfile(broken, installedAppsFilePath());
        WineInstalledApps::instance()->initInstalledApps();
        QVERIFY(openPage({app("One", "one", "2026-02-01 00:00:00")}));
        QCOMPARE(appNames(m_page->model()), QStringList({"One", "Broken"}));
        DataListView *view = m_page->view();
        view->slotShowContextMenu(cell(0, 1).center());
        QVERIFY(!view->contextMenu() || !view->contextMenu()->isVisible());

        QMenu *menu = openMenu(0);
        QVERIFY(menu);
        QStringList texts;
        for (QAction *action : entries(menu)) {
            texts.append(action->text());
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(texts,
                 QStringList({"启动应用", "手动运行", "安装目录", "日志信息", "卸载", "备份"}));
        menu->hide();

        // The row without a bottle path: all there, none enabled.
        menu = openMenu(1);
        QVERIFY(menu);
        QCOMPARE(entries(menu).size(), 6);
        for (QAction *action : entries(menu))
            QVERIFY(!action->isEnabled());
        menu->hide();
    }
    void rowButtonsPaintedOnHoveredRow()
    {
        for (int row = 0; row < 2; ++row)
            QVERIFY(openPage({app(QString::number(row), QString::number(row),
                                  QStringLiteral("2026-01-0%1 00:00:00").arg(2 - row))}));
        QWidget *viewport = m_page->view()->viewport();
        // Three icons drawn in the (author-less) last cell.
        const auto buttonsPainted = [&](int row) {
            const QImage image = viewport->grab().toImage();
            const QRect author = cell(row, DataModel::ColumnAuthor);
            const QList<int> &actions = DataItemDelegate::buttonActions();
            return actions.size() == 3 && std::all_of(actions.begin(), actions.end(), [&](int a) {
                       return anyPixel(image, DataItemDelegate::buttonRect(author, a), isDark);
                   });
        };
        QVERIFY(!buttonsPainted(0) && !buttonsPainted(1));
        // Left to right: start, install folder, log.
        const QRect author = cell(0, DataModel::ColumnAuthor);
        QVERIFY(DataItemDelegate::buttonRect(author, DataModel::ActionStart).right()
                < DataItemDelegate::buttonRect(author, DataModel::ActionInstallDir).left());
        QVERIFY(DataItemDelegate::buttonRect(author, DataModel::ActionInstallDir).right()
                < DataItemDelegate::buttonRect(author, DataModel::ActionLogInfo).left());
        sendMouseMove(viewport, cell(1, DataModel::ColumnAuthor).center());
        QVERIFY(buttonsPainted(1));
        QVERIFY(!buttonsPainted(0));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(viewport, &leave);
        QVERIFY(!buttonsPainted(1));
    }
    void rowButtonsRunActionsAtTheirRectangles()
    {
        const QString marker = appsDir() + "Launch/started";
        TInstalledAppInfo info = launchableApp("Launch", marker);
        info.installTime = "2026-02-01 00:00:00";
        // A catalogue installation lives in ~/.lirvanwine/<bottle name>, also
        // when its prefix is missing.
        TInstalledAppInfo catalogue = app("Recommended", "com.x.rec");
        QVERIFY(QDir().mkpath(catalogue.bottlePath));
        QVERIFY(openPage({info, catalogue}));
        QSignalSpy failed(m_page->model(), &DataModel::signalDoActionFailed);

        clickButton(0, DataModel::ActionInstallDir);
        QCOMPARE(m_openedUrls, QList<QUrl>({QUrl::fromLocalFile(info.bottlePath)}));
        clickButton(0, DataModel::ActionLogInfo);
        QCOMPARE(m_openedUrls.value(1),
                 QUrl::fromLocalFile(QDir::homePath()
                                     + QStringLiteral("/.cache/lirvan-wine-assist/logs")));

        clickButton(1, DataModel::ActionInstallDir);
        QCOMPARE(m_openedUrls.value(2),
                 QUrl::fromLocalFile(QDir::homePath() + QStringLiteral("/.lirvanwine/com.x.rec")));
        QCOMPARE(failed.count(), 0);

        if (m_startManager.state() != QProcess::Running)
            QSKIP("no start manager on a session bus of this test");
        clickButton(0, DataModel::ActionStart);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    }
    void elidedNameTip()
    {
        // Installed first, listed second.
        const QString name = QStringLiteral("<b>Evil</b> ") + QString(40, QLatin1Char('N'));
        QVERIFY(openPage({app(name, "long"), app("Short", "short", "2026-01-02 00:00:00")}));
        QWidget *viewport = m_page->view()->viewport();
        const auto tipAt = [viewport](const QRect &cell) {
            QHelpEvent help(QEvent::ToolTip, cell.center(), viewport->mapToGlobal(cell.center()));
            QCoreApplication::sendEvent(viewport, &help);
            QTextDocument shown;
            shown.setHtml(QToolTip::isVisible() ? QToolTip::text() : QString());
            return shown.toPlainText();
        };
        // Whole: no tip; cut short: the whole name as it stands.
        QCOMPARE(tipAt(cell(0, DataModel::ColumnName)), QString());
        QTRY_COMPARE(tipAt(cell(1, DataModel::ColumnName)), name);
    }
    void failedActionsShowFailureNotice()
    {
        // No menu entry to start: the start action fails.
        TInstalledAppInfo info = defaultApp("Manual");
        info.desktopInfo.desktopPath.clear();
        QVERIFY(openPage({info}));

        QString dialogTitle, dialogDir;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (auto dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                dialogTitle = dialog->windowTitle();
                dialogDir = dialog->directory().absolutePath();
                dialog->reject();
            }
        });
        cancel.start(50);
        QSignalSpy failed(m_page->model(), &DataModel::signalDoActionFailed);
        QAction *chosen = chooseFromMenu(0, 2);
        cancel.stop();
        QVERIFY(chosen);
        QCOMPARE(QStringList({chosen->text(), dialogTitle, dialogDir}),
                 QStringList({"手动运行", "open a file.", info.bottlePath}));
        QCOMPARE(failed, QList<QVariantList>({{info.bottlePath, int(DataModel::ActionManualRun)}}));
        // Not at once: the notice waits for the dialog to be gone.
        QVERIFY(!QToolTip::isVisible());
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("手动运行 failed"));
    }
    void uninstallAsksFirst()
    {
        // An application with a document the user saved in its bottle, and
        // another one that must not be touched.
        TInstalledAppInfo info = app("Thesis Writer", "writer-bottle");
        TInstalledAppInfo other = defaultApp("Other");
        const QString document = info.bottlePath + "/drive_c/users/"
                                 + qEnvironmentVariable("USER", "user") + "/Documents/thesis.docx";
        QVERIFY(PlatformTest::writeAll(document, "my thesis"));
        for (const TInstalledAppInfo &each : {info, other}) {
            QVERIFY(StartManagerTest::writeEntry(each.desktopInfo.desktopPath, "/bin/true"));
            CommonJsonOperator::writeToJasonfile(each, installedAppsFilePath());
        }
        QVERIFY(openPage({info, other}));
        const int row = appNames(m_page->model()).indexOf(info.appName);
        QSignalSpy failed(m_page->model(), &DataModel::signalDoActionFailed);

        for (const bool confirm : {false, true}) {
            ConfirmationAnswerer answerer(confirm);
            QVERIFY(chooseFromMenu(row, DataModel::ActionUninstall));
            QCOMPARE(answerer.shown().size(), 1);
            const QString shown = answerer.shown().constFirst();
            for (const char *text : {"Thesis Writer", "writer-bottle", "您保存在其中的所有文件"})
                QVERIFY2(shown.contains(text), qPrintable(shown));
            // Cancelled: everything as it was. Confirmed: exactly its files,
            // removed in the background, the record last.
            if (confirm)
                QTRY_VERIFY(!appNames(m_page->model()).contains(info.appName));
            QCOMPARE(QFileInfo::exists(document), !confirm);
            QCOMPARE(QFileInfo::exists(info.desktopInfo.desktopPath), !confirm);
            QCOMPARE(appNames(m_page->model()).contains(info.appName), !confirm);
            TInstalledAppInfo found;
            CommonJsonOperator::findAppInfoToJasonfileByAppName(info.appName, found,
                                                                installedAppsFilePath());
            QCOMPARE(found.bottlePath, confirm ? QString() : info.bottlePath);
        }
        QCOMPARE(failed.size(), 0);
        QVERIFY(QFileInfo::exists(other.bottlePath));
        QVERIFY(QFileInfo::exists(other.desktopInfo.desktopPath));
        QCOMPARE(appNames(m_page->model()), QStringList{"Other"});
    }
    void uninstallReturnKeyKeepsTheApplication()
    {
        // Return, pressed in a hurry, answers with the harmless button.
        UninstallConfirmation dialog(app("One", "one"), UninstallConfirmation::Uninstall);
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), int(UninstallConfirmation::CancelAnswer));
    }

private:
    // Registers the applications and shows the page once it has loaded.
    Appinstalledwidget *openPage(const QList<TInstalledAppInfo> &apps = {})
    {
        for (const TInstalledAppInfo &info : apps)
            registerApp(info);
        m_page = std::make_unique<Appinstalledwidget>();
        QSignalSpy counted(m_page->model(), &DataModel::signalDataCountChanged);
        m_page->resize(840, 640);
        m_page->show();
        // The first load may already have come while the window was exposed.
        if (!QTest::qWaitForWindowExposed(m_page.get())
            || !QTest::qWaitFor([&] { return !counted.isEmpty(); }, 2000))
            return nullptr;
        return m_page.get();
    }
    QRect cell(int row, int column) const
    {
        return m_page->view()->visualRect(m_page->model()->index(row, column));
    }
    void clickButton(int row, int action, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = DataItemDelegate::buttonRect(cell(row, DataModel::ColumnAuthor), action)
                                  .center();
        sendMouseMove(m_page->view()->viewport(), at);
        QTest::mouseClick(m_page->view()->viewport(), button, Qt::NoModifier, at);
    }
    // Selects the row and opens its menu; the menu once shown.
    QMenu *openMenu(int row)
    {
        m_page->view()->selectRow(row);
        m_page->view()->slotShowContextMenu(cell(row, 0).center());
        QMenu *menu = m_page->view()->contextMenu();
        return menu && QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu : nullptr;
    }
    // Selects the row and chooses the action (by its place) from the menu.
    QAction *chooseFromMenu(int row, int action)
    {
        QMenu *menu = openMenu(row);
        if (!menu)
            return nullptr;
        menu->hide();
        QAction *chosen = entries(menu).value(action - 1);
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    TInstalledAppInfo launchableApp(const QString &name, const QString &marker)
    {
        TInstalledAppInfo info = defaultApp(name);
        StartManagerTest::writeEntry(info.desktopInfo.desktopPath,
                                     "/usr/bin/touch \"" + marker + QLatin1Char('"'));
        return info;
    }

    std::unique_ptr<Appinstalledwidget> m_page;
    QList<QUrl> m_openedUrls;
    QProcess m_startManager;
};

int main(int argc, char *argv[])
{
    IsolatedHome home;
    LApplication app(argc, argv);
    TestInstalledView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installedview.moc"
