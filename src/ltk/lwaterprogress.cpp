#include "lwaterprogress.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QtMath>

namespace {
constexpr int FrameIntervalMs = 50;
constexpr qreal PhaseStep = 0.25;
} // namespace

LWaterProgress::LWaterProgress(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(FrameIntervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_phase += PhaseStep;
        update();
    });
}

bool LWaterProgress::isRunning() const
{
    return m_timer->isActive();
}

void LWaterProgress::start()
{
    m_timer->start();
}

void LWaterProgress::stop()
{
    m_timer->stop();
    update();
}

void LWaterProgress::setValue(int value)
{
    value = qBound(0, value, 100);
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit valueChanged(value);
}

void LWaterProgress::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) - 2;
    const QRectF circle((width() - side) / 2, (height() - side) / 2, side, side);
    QPainterPath clip;
    clip.addEllipse(circle);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight).lighter(170));
    painter.drawPath(clip);

    // The water surface is a sine wave whose height follows the value.
    const qreal level = circle.bottom() - circle.height() * m_value / 100.0;
    const qreal amplitude = (m_value > 0 && m_value < 100) ? side / 30 : 0;
    QPainterPath water;
    water.moveTo(circle.left(), circle.bottom());
    for (qreal x = circle.left(); x <= circle.right(); x += 1)
        water.lineTo(x, level + amplitude * qSin(x / side * 2 * M_PI * 1.5 + m_phase));
    water.lineTo(circle.right(), circle.bottom());
    water.closeSubpath();
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawPath(water.intersected(clip));

    QFont font = painter.font();
    font.setPixelSize(qMax(8, int(side / 4)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(m_value > 50 ? Qt::white : palette().color(QPalette::WindowText));
    painter.drawText(circle, Qt::AlignCenter, QString::number(m_value) + QLatin1Char('%'));
}
