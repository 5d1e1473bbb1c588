#ifndef COMMUNITYBUTTON_H
#define COMMUNITYBUTTON_H

#include <QAbstractButton>

/*
 * The flat link to the community forum below the navigation: its icon and,
 * beside it, its title in bold. Drawn here rather than by a command link
 * button, which on creation loads a default arrow icon in a way that loads
 * every image plugin, before the window's first paint.
 */
class CommunityButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CommunityButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // COMMUNITYBUTTON_H
