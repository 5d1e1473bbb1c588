#ifndef LBACKGROUNDGROUP_H
#define LBACKGROUNDGROUP_H

#include <QFrame>

class QBoxLayout;

// Draws a rounded background behind each widget of its layout, with a
// configurable gap between them.
class LBackgroundGroup : public QFrame
{
    Q_OBJECT
public:
    explicit LBackgroundGroup(QWidget *parent = nullptr);
    explicit LBackgroundGroup(QBoxLayout *layout, QWidget *parent = nullptr);

    void setItemSpacing(int spacing);
    int itemSpacing() const;
    void setItemMargins(const QMargins &margins);
    void setBackgroundRole(QPalette::ColorRole role);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette::ColorRole m_role = QPalette::Base;
};

#endif // LBACKGROUNDGROUP_H
