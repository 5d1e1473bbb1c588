#ifndef LICONBUTTON_H
#define LICONBUTTON_H

#include <QPushButton>

// A button that shows only an icon, flat or with a round background.
class LIconButton : public QPushButton
{
    Q_OBJECT
public:
    explicit LIconButton(QWidget *parent = nullptr);
    explicit LIconButton(const QIcon &icon, QWidget *parent = nullptr);

    QSize sizeHint() const override;
};

#endif // LICONBUTTON_H
