#ifndef LSVGICONENGINE_H
#define LSVGICONENGINE_H

#include <QHash>
#include <QIconEngine>
#include <QPixmap>

#include <memory>

class QSvgRenderer;

/*
 * An icon drawn from one SVG file, read when it is first drawn or measured
 * and then kept with its copies. Making such an icon costs nothing, which
 * keeps the icons of a window's first screen from being parsed twice (once
 * when made, once when drawn) before that screen is painted. Pixmaps are
 * kept per size, mode and state; the disabled and selected looks come from
 * the application's style, as for any other icon.
 */
class LSvgIconEngine : public QIconEngine
{
public:
    explicit LSvgIconEngine(const QString &path);
    ~LSvgIconEngine() override;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    void virtual_hook(int id, void *data) override;

private:
    QSvgRenderer *renderer() const;

    QString m_path;
    // Shared with the clones: one parse per file however often it is copied.
    mutable std::shared_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_pixmaps;
};

#endif // LSVGICONENGINE_H
