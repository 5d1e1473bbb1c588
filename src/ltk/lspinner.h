#ifndef LSPINNER_H
#define LSPINNER_H

#include <QWidget>

class QTimer;

// A busy indicator: a ring of dots that turns while started.
class LSpinner : public QWidget
{
    Q_OBJECT
public:
    explicit LSpinner(QWidget *parent = nullptr);

    bool isPlaying() const;
    QSize sizeHint() const override { return QSize(32, 32); }

public slots:
    void start();
    void stop();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer *m_timer;
    int m_step = 0;
};

#endif // LSPINNER_H
