#ifndef LMAINWINDOW_H
#define LMAINWINDOW_H

#include <QMainWindow>

class LTitlebar;

// A main window whose top area is the toolkit title bar.
class LMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit LMainWindow(QWidget *parent = nullptr);

    LTitlebar *titlebar() const { return m_titlebar; }
    void setTitlebarShadowEnabled(bool enabled);
    bool titlebarShadowIsEnabled() const;

private:
    LTitlebar *m_titlebar;
};

#endif // LMAINWINDOW_H
