#include "lsvgiconengine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

LSvgIconEngine::LSvgIconEngine(const QString &path)
    : m_path(path)
{
}

LSvgIconEngine::~LSvgIconEngine() = default;

QSvgRenderer *LSvgIconEngine::renderer() const
{
    if (!m_renderer)
        m_renderer = std::make_shared<QSvgRenderer>(m_path);
    return m_renderer.get();
}

QSize LSvgIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (!renderer()->isValid())
        return QSize();
    QSize actual = renderer()->defaultSize();
    if (!actual.isEmpty())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap LSvgIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QString key = QStringLiteral("%1x%2/%3/%4")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(int(mode))
                                .arg(int(state));
    const auto cached = m_pixmaps.constFind(key);
    if (cached != m_pixmaps.constEnd())
        return *cached;

    const QSize actual = actualSize(size, mode, state);
    if (actual.isEmpty())
        return QPixmap();
    QImage image(actual, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer()->render(&painter);
    painter.end();
    QPixmap result = QPixmap::fromImage(image);
    if ((mode == QIcon::Disabled || mode == QIcon::Selected)
        && qobject_cast<QApplication *>(qApp)) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, result, &option);
        if (!styled.isNull())
            result = styled;
    }
    m_pixmaps.insert(key, result);
    return result;
}

void LSvgIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                           QIcon::State state)
{
    // Sharp on high-density screens: drawn at the device's pixel size.
    QSize size = rect.size();
    if (painter->device())
        size *= painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, pixmap(size, mode, state));
}

QIconEngine *LSvgIconEngine::clone() const
{
    auto copy = new LSvgIconEngine(m_path);
    copy->m_renderer = m_renderer;
    return copy;
}

void LSvgIconEngine::virtual_hook(int id, void *data)
{
    // An unreadable file makes a null icon, as it would for any icon.
    if (id == QIconEngine::IsNullHook) {
        *static_cast<bool *>(data) = !renderer()->isValid();
        return;
    }
    QIconEngine::virtual_hook(id, data);
}

QString LSvgIconEngine::key() const
{
    return QStringLiteral("LSvgIconEngine");
}
