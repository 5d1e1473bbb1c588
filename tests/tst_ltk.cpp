// The widget toolkit: the log file, its redaction and its writer, the icon
// theme, the dialog, the search field and the list view's row widgets.

#include "lapplication.h"
#include "ldialog.h"
#include "licontheme.h"
#include "llistview.h"
#include "llogmanager.h"
#include "lsearchedit.h"
#include "lstandarditem.h"
#include "lviewitemaction.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QSvgRenderer>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <thread>
#include <unistd.h>

class TestLtk : public QObject
{
    Q_OBJECT
private slots:
    void logLinesCarryTheCallSite()
    {
        const QString path = LLogManager::getlogFilePath();
        QVERIFY(path.startsWith(QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/")));
        LLogManager::registerFileAppender();
        const int line = __LINE__ + 1;
        qWarning() << "install failed for" << QStringList{QStringLiteral("a"), QStringLiteral("b")};

        QVERIFY(LLogManager::flush());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString last
                = QString::fromUtf8(file.readAll()).trimmed().split(QLatin1Char('\n')).last();
        const QRegularExpression format(QStringLiteral(
                R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[Warning\] \[(\S+):(\d+) (.+)\] (.*)$)"));
        const QRegularExpressionMatch match = format.match(last);
        QVERIFY2(match.hasMatch(), qPrintable(last));
        QVERIFY(match.captured(1).endsWith(QStringLiteral("tst_ltk.cpp")));
        QCOMPARE(match.captured(2).toInt(), line);
        QCOMPARE(match.captured(3), QStringLiteral("void TestLtk::logLinesCarryTheCallSite()"));
        QCOMPARE(match.captured(4), QStringLiteral("install failed for (\"a\", \"b\")"));
    }

    void logRedactsSecrets_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("logged");
        const auto row = [](const char *tag, const char *message, const char *logged) {
            QTest::newRow(tag) << QString::fromUtf8(message) << QString::fromUtf8(logged);
        };
        row("json", "{\"jwt_token\": \"a.b.c\", \"id\":7}",
            "{\"jwt_token\": \"[redacted]\", \"id\":7}");
        row("quoted reply", "\"{\\\"jwt_token\\\":\\\"a.b\\\",\\\"x\\\":1}\"",
            "\"{\\\"jwt_token\\\":\\\"[redacted]\\\",\\\"x\\\":1}\"");
        row("map", "((\"jwt_token\", QVariant(QString, \"a.b\"))(\"id\", QVariant(int, 7)))",
            "((\"jwt_token\", QVariant(QString, \"[redacted]\"))(\"id\", QVariant(int, 7)))");
        row("query", "/api/v1/login/callback?code=alice-code&state=s",
            "/api/v1/login/callback?code=[redacted]&state=s");
        row("secret", "client_secret=xyz token=t", "client_secret=[redacted] token=[redacted]");
        row("e-mail", "mail alice.b+x@mail.example.org now", "mail [e-mail] now");
        row("bearer", "Authorization: Bearer abc.def", "Authorization: Bearer [redacted]");
        row("harmless", "exit code 3, \"codec\": \"utf8\"", "exit code 3, \"codec\": \"utf8\"");
    }

    void logRedactsSecrets()
    {
        QFETCH(QString, message);
        QFETCH(QString, logged);
        QCOMPARE(LLogManager::redacted(message), logged);
    }

    // Nobody reads the console: logging goes on, keeps the lines in order
    // and drops, with a note, what would grow the backlog beyond bounds.
    void logNeverWaitsForTheConsole()
    {
        int pipeEnds[2];
        QVERIFY(::pipe(pipeEnds) == 0);
        const int console = ::dup(STDERR_FILENO);
        QVERIFY(::dup2(pipeEnds[1], STDERR_FILENO) >= 0);
        ::close(pipeEnds[1]);
        LLogManager::registerConsoleAppender();
        // About 10 MB, far more than the pipe holds. A logger that waited
        // for the console would be stuck until the reader below starts.
        std::atomic_bool logged{false};
        std::thread flood([&logged] {
            const QString filler(1000, QLatin1Char('x'));
            for (int i = 0; i < 10000; ++i)
                qInfo().noquote() << QStringLiteral("flood %1 ").arg(i) + filler;
            logged = true;
        });
        const bool returned = QTest::qWaitFor([&logged] { return logged.load(); }, 60000);

        QByteArray read;
        std::thread reader([&] {
            char buffer[65536];
            ssize_t size;
            while ((size = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
                read.append(buffer, int(size));
        });
        const bool flushed = LLogManager::flush();
        ::dup2(console, STDERR_FILENO);
        ::close(console);
        flood.join();
        reader.join();
        ::close(pipeEnds[0]);
        QVERIFY(returned);
        QVERIFY(flushed);
        const int first = read.indexOf("flood 0 x");
        const int second = read.indexOf("flood 1 x");
        QVERIFY(first >= 0 && first < second);
        QVERIFY(read.indexOf("flood 2 x") > second);
        QVERIFY(read.contains(" log lines dropped: written too fast\n"));
        QVERIFY(read.size() < 10 * 1000 * 1000);
    }

    void builtinIcons()
    {
        QStringList names;
        QDirIterator it(LIconTheme::builtinPrefix());
        while (it.hasNext()) {
            const QString path = it.next();
            names << it.fileName();
            if (path.endsWith(QLatin1String(".svg"))) {
                QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(path));
            } else {
                QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            }
        }
        QCOMPARE(names.size(), 26);
    }

    void themeIconLookup()
    {
        for (const char *name : {"lw_login", "lw_installable", "lw_installable2", "lw_installed2",
                                 "lw_shareable", "lw_normol", "lw_startapp", "lw_loginfo"}) {
            const QString path = LIconTheme::resourcePath(QLatin1String(name));
            QCOMPARE(path, LIconTheme::builtinPrefix() + QLatin1String(name)
                                   + QStringLiteral("_14px.svg"));
            QVERIFY(!LIconTheme::findQIcon(QLatin1String(name)).pixmap(14, 14).isNull());
        }
        QVERIFY(LIconTheme::resourcePath(QStringLiteral("lw_nonexistent")).isEmpty());
        QVERIFY(LIconTheme::resourcePath(QStringLiteral("login")).isEmpty());
    }

    void svgFileIconDrawsItsFile()
    {
        // What the file shows, drawn by the SVG renderer itself.
        const QString path = LIconTheme::builtinPrefix() + QStringLiteral("lw_headerIcon.svg");
        QImage expected(QSize(32, 32), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        QSvgRenderer(path).render(&painter);
        painter.end();

        const QIcon icon = LIconTheme::fileIcon(path);
        QVERIFY(!icon.isNull());
        const QImage normal = icon.pixmap(32, 32).toImage().convertToFormat(expected.format());
        QCOMPARE(normal, expected);

        QVERIFY(LIconTheme::fileIcon(QStringLiteral(":/no/such/icon.svg")).isNull());
    }

    void dialogReturnsClickedButton()
    {
        LDialog dialog;
        dialog.setMessage(QStringLiteral("不支持的文件格式"));
        dialog.addSpacing(10);
        QCOMPARE(dialog.addButton(QStringLiteral("取消")), 0);
        QCOMPARE(dialog.addButton(QStringLiteral("确定"), true), 1);
        QSignalSpy clicked(&dialog, &LDialog::buttonClicked);

        QTimer::singleShot(0, &dialog, [&dialog] { dialog.getButton(1)->click(); });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().at(1).toString(), QStringLiteral("确定"));

        QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
        QCOMPARE(dialog.exec(), -1);
    }

    void searchEditClearButtonAndFocus()
    {
        LSearchEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QSignalSpy aborted(&edit, &LSearchEdit::searchAborted);

        // The first text brings the button, which empties the field.
        QTest::keyClicks(edit.lineEdit(), QStringLiteral("Fo"));
        const auto clear = edit.lineEdit()->findChild<QAction *>(
                QStringLiteral("_q_qlineeditclearaction"));
        QVERIFY(clear);
        QToolButton *button = nullptr;
        for (QToolButton *each : edit.lineEdit()->findChildren<QToolButton *>()) {
            if (each->defaultAction() == clear)
                button = each;
        }
        QVERIFY(button);
        QVERIFY(button->isVisible());
        button->click();
        QVERIFY(edit.text().isEmpty());
        QCOMPARE(aborted.count(), 1);

        // Setting the text from code is no abort.
        edit.setText(QString());
        QCOMPARE(aborted.count(), 1);
    }

    void listViewShowsEdgeWidgets()
    {
        LListView view;
        QStandardItemModel model;
        view.setModel(&model);
        view.setItemSize(QSize(160, 48));
        view.resize(300, 300);
        view.show();

        // Actions set before and after the item joins the model both show.
        auto before = new LStandardItem(QStringLiteral("Foo"));
        auto beforeAction = new LViewItemAction(Qt::AlignLeft);
        QPointer<QLabel> beforeLabel = new QLabel(QStringLiteral("Foo row"));
        beforeAction->setWidget(beforeLabel);
        before->setActionList(Qt::LeftEdge, {beforeAction});
        model.appendRow(before);

        auto after = new LStandardItem(QStringLiteral("Bar"));
        model.appendRow(after);
        auto afterAction = new LViewItemAction(Qt::AlignLeft);
        auto button = new QPushButton(QStringLiteral("安装"));
        afterAction->setWidget(button);
        after->setActionList(Qt::LeftEdge, {afterAction});

        QVERIFY(view.indexWidget(model.index(0, 0)));
        QVERIFY(view.indexWidget(model.index(0, 0))->isAncestorOf(beforeLabel));
        QVERIFY(view.indexWidget(model.index(1, 0))->isAncestorOf(button));

        // A press on the label reaches the view; the button stays clickable.
        QSignalSpy pressed(&view, &QAbstractItemView::pressed);
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::qWait(50);
        QTest::mousePress(beforeLabel, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().first().value<QModelIndex>().row(), 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    TestLtk test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ltk.moc"
