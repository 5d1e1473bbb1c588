#ifndef APPINSTALLABLESUBSTACKWIDGT_H
#define APPINSTALLABLESUBSTACKWIDGT_H

#include <QWidget>

// The right side of the catalogue page while no application is chosen.
class Appinstallablesubstackwidgt : public QWidget
{
    Q_OBJECT
public:
    explicit Appinstallablesubstackwidgt(QWidget *parent = nullptr);
};

#endif // APPINSTALLABLESUBSTACKWIDGT_H
