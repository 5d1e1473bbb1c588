#ifndef LTITLEBAR_H
#define LTITLEBAR_H

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;

// The title bar of LMainWindow: an icon, widgets left, centre and right, and
// an optional menu button.
class LTitlebar : public QWidget
{
    Q_OBJECT
public:
    explicit LTitlebar(QWidget *parent = nullptr);

    void setIcon(const QIcon &icon);
    void addWidget(QWidget *widget, Qt::Alignment alignment = Qt::Alignment());
    void setMenuVisible(bool visible);
    bool menuIsVisible() const;
    QMenu *menu() const { return m_menu; }

    void setShadowEnabled(bool enabled);
    bool shadowEnabled() const { return m_shadow; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_iconLabel;
    QHBoxLayout *m_leftArea;
    QHBoxLayout *m_centerArea;
    QHBoxLayout *m_rightArea;
    QToolButton *m_menuButton;
    QMenu *m_menu;
    bool m_shadow = true;
};

#endif // LTITLEBAR_H
