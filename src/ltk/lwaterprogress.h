#ifndef LWATERPROGRESS_H
#define LWATERPROGRESS_H

#include <QWidget>

class QTimer;

// A round progress display filled like a glass of water, with the value as text.
class LWaterProgress : public QWidget
{
    Q_OBJECT
public:
    explicit LWaterProgress(QWidget *parent = nullptr);

    int value() const { return m_value; }
    bool isRunning() const;
    QSize sizeHint() const override { return QSize(100, 100); }

public slots:
    void start();
    void stop();
    void setValue(int value);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer *m_timer;
    int m_value = 0;
    qreal m_phase = 0;
};

#endif // LWATERPROGRESS_H
