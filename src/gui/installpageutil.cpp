#include "installpageutil.h"

#include "lfontsizemanager.h"
#include "licontheme.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace {
constexpr int ButtonSpacing = 20;
}

namespace {

QPixmap renderSvg(const QString &path, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

QPixmap InstallPage::svgPixmap(const QString &fileName, const QSize &size)
{
    return renderSvg(LIconTheme::builtinPrefix() + fileName, size);
}

QPixmap InstallPage::scaledPicture(const QString &path, const QSize &size)
{
    // Drawn at the size itself, so a drawing stays sharp.
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid())
            return QPixmap();
        return renderSvg(path, renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    }
    const QPixmap picture(path);
    if (picture.isNull())
        return picture;
    return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QLabel *InstallPage::localInstallTitle(QWidget *parent)
{
    auto title = new QLabel(QCoreApplication::translate("InstallPage", "本地应用安装"), parent);
    title->setAlignment(Qt::AlignCenter);
    LFontSizeManager::instance()->bind(title, LFontSizeManager::T5, QFont::Medium);
    return title;
}

QHBoxLayout *InstallPage::withSideRoom(QWidget *widget, int side)
{
    auto row = new QHBoxLayout;
    row->setContentsMargins(side, 0, side, 0);
    row->addWidget(widget);
    return row;
}

QHBoxLayout *InstallPage::buttonRow(const QList<QWidget *> &buttons)
{
    auto row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(ButtonSpacing);
    row->addStretch();
    for (QWidget *button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

void InstallPage::setButtonText(QPushButton *button, const QString &text)
{
    // Room for the text with this much space on either side of it.
    constexpr int TextPadding = 8;
    button->setText(text);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(text) + 2 * TextPadding);
}
