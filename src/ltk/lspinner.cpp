#include "lspinner.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int DotCount = 12;
constexpr int FrameIntervalMs = 80;
} // namespace

LSpinner::LSpinner(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(FrameIntervalMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % DotCount;
        update();
    });
}

bool LSpinner::isPlaying() const
{
    return m_timer->isActive();
}

void LSpinner::start()
{
    m_timer->start();
    update();
}

void LSpinner::stop()
{
    m_timer->stop();
    update();
}

void LSpinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal side = qMin(width(), height());
    const qreal dot = side / 8;
    painter.translate(width() / 2.0, height() / 2.0);
    QColor color = palette().color(QPalette::Highlight);
    for (int i = 0; i < DotCount; ++i) {
        // The dot at the current step is the most opaque; the tail fades.
        const int age = (m_step - i + DotCount) % DotCount;
        color.setAlphaF(isPlaying() ? 1.0 - qreal(age) / DotCount : 0.3);
        painter.setBrush(color);
        painter.drawEllipse(QPointF(0, -side / 2 + dot), dot / 2 + 1, dot / 2 + 1);
        painter.rotate(360.0 / DotCount);
    }
}
