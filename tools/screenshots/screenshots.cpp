// Takes screenshots of every window of the assistant and of every page in
// them, in one language, so that they can be looked at:
//
//     lwa_screenshots <locale, e.g. en_US.UTF-8> <output directory>
//
// It runs in a temporary home with the sample catalogue served by the
// reference service on loopback and a few installed applications on record.
// Besides the PNG files it lists the labels, buttons and fields whose text
// needs more room than they have. scripts/screenshots.sh runs it under Xvfb
// for English and Chinese.

#include "catalogueapiserver.h"
#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "containerinstallview_dialog.h"
#include "isolatedhome.h"
#include "lapplication.h"
#include "shotarguments.h"
#include "tinstalledappinfo.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"
#include "winemainwindow.h"
#include "winesettings.h"
#include "wnappinstallwidget.h"

#include <QAbstractButton>
#include <QCommandLinkButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString describe(const QWidget *widget)
{
    const QString name = widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className())
           + (name.isEmpty() ? QString() : QLatin1Char('#') + name);
}

// The room a widget's text needs beyond what it has, or 0.
int shortfall(const QWidget *widget, QString *text)
{
    if (auto label = qobject_cast<const QLabel *>(widget)) {
        *text = label->text();
        if (text->isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(*text))
            return 0;
        if (label->wordWrap())
            return qMax(0, label->heightForWidth(label->width()) - label->height());
        return qMax(0, label->sizeHint().width() - label->width());
    }
    if (auto button = qobject_cast<const QAbstractButton *>(widget)) {
        *text = button->text();
        if (text->isEmpty())
            return 0;
        // The text, the icon beside it and the frame; a command link's title is bold.
        QFont font = button->font();
        font.setBold(font.bold() || qobject_cast<const QCommandLinkButton *>(button));
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 6;
        const int needed = QFontMetrics(font).horizontalAdvance(*text) + icon + 12;
        return qMax(0, needed - button->width());
    }
    if (auto edit = qobject_cast<const QLineEdit *>(widget)) {
        *text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        const int room = edit->width() - edit->textMargins().left() - edit->textMargins().right()
                         - 8;
        return qMax(0, edit->fontMetrics().horizontalAdvance(*text) - room);
    }
    return 0;
}

void reportCramped(const QWidget *window, const QString &shot)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->isVisible())
            continue;
        QString text;
        const int missing = shortfall(widget, &text);
        if (missing > 0)
            out() << shot << ": " << describe(widget) << " \"" << text << "\" needs " << missing
                  << " px more\n";
    }
}

void settle(int ms = 300)
{
    QTest::qWait(ms);
}

void grab(QWidget *window, const QString &dir, const QString &shot)
{
    settle();
    window->grab().save(dir + QLatin1Char('/') + shot + QStringLiteral(".png"));
    reportCramped(window, shot);
}

// The window as it is, then every page of every page stack in it.
void shootPages(QWidget *window, const QString &dir, const QString &name)
{
    grab(window, dir, name);
    const QList<QStackedWidget *> stacks = window->findChildren<QStackedWidget *>();
    for (int s = 0; s < stacks.size(); ++s) {
        QStackedWidget *stack = stacks.at(s);
        const int current = stack->currentIndex();
        for (int page = 0; page < stack->count(); ++page) {
            if (page == current)
                continue;
            stack->setCurrentIndex(page);
            grab(window, dir, QStringLiteral("%1-stack%2-page%3").arg(name).arg(s).arg(page));
        }
        stack->setCurrentIndex(current);
    }
}

void recordInstalledApps()
{
    const QStringList names{QStringLiteral("Foo App"), QStringLiteral("记事本 Notepad++"),
                            QStringLiteral("A Windows application with a rather long name")};
    for (int i = 0; i < names.size(); ++i) {
        TInstalledAppInfo info;
        info.appName = names.at(i);
        info.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/app%1").arg(i);
        info.installTime = QStringLiteral("2026-12-0%1 10:00:00").arg(i + 1);
        info.publishedAppInfo.appName = names.at(i);
        info.publishedAppInfo.version = QStringLiteral("1.%1").arg(i);
        info.publishedAppInfo.categories = i + 1;
        WineInstalledApps::instance()->addInstalledApps(info);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The locale and a home of its own, before anything reads either.
    const QString dir = shotOutputDirectory(argc, argv);
    if (dir.isEmpty())
        return 2;
    IsolatedHome home;

    LApplication app(argc, argv);
    WineApplication *controller = WineApplication::instance();
    controller->setIdentity();
    CatalogueApiServer service;
    service.use();
    // The build tree's helper scripts read the installer's version information.
    WineSettings::instance()->setValue(QStringLiteral("tool"),
                                       QStringLiteral(LWA_BINARY_DIR "/platform-root/tools/"));
    controller->init();
    recordInstalledApps();

    controller->launchWithArgs({QStringLiteral("lirvan-wine-assist")});
    settle(2000); // the catalogue arrives
    shootPages(controller->mainWindow(), dir, QStringLiteral("main-window"));

    const QString installer = QStringLiteral(LWA_FIXTURE_DIR "/foo-setup.exe");
    controller->launchWithArgs({QStringLiteral("lirvan-wine-assist"), installer});
    settle(3000); // its version information is read
    for (ContainerInstallerObj *obj : controller->installers()) {
        shootPages(obj->view(), dir, QStringLiteral("install-window"));
        // A cancelled or failed installation being cleaned up, then failed.
        WineInstallerWnd *window = obj->installer();
        window->progressPage()->setState(WnAppInstallWidget::Installing);
        window->progressPage()->setProgress(90);
        window->onCleaningUp();
        grab(obj->view(), dir, QStringLiteral("install-window-cleaning-up"));
        window->onInstallFinished(4, QString());
        grab(obj->view(), dir, QStringLiteral("install-window-install-failed"));
    }

    TPublishedAppInfo published;
    published.appName = QStringLiteral("Foo App");
    published.version = QStringLiteral("1.0");
    auto dialog = new containerinstallview_dialog(controller->mainWindow());
    dialog->installer()->setPublishedAppInfo(published);
    dialog->show();
    shootPages(dialog, dir, QStringLiteral("install-dialog"));
    delete dialog;

    out().flush();
    return controller->shutdown();
}
