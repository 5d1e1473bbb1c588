#ifndef APPSHAREABLEWIDGET_H
#define APPSHAREABLEWIDGET_H

#include <QWidget>

// The page of applications the user added to the catalogue; empty for now.
class Appshareablewidget : public QWidget
{
    Q_OBJECT
public:
    explicit Appshareablewidget(QWidget *parent = nullptr);
};

#endif // APPSHAREABLEWIDGET_H
