#ifndef LFRAME_H
#define LFRAME_H

#include <QFrame>

// A frame that fills its background with the base colour.
class LFrame : public QFrame
{
    Q_OBJECT
public:
    explicit LFrame(QWidget *parent = nullptr);
};

#endif // LFRAME_H
