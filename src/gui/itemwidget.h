#ifndef ITEMWIDGET_H
#define ITEMWIDGET_H

#include "tpublishedappinfo.h"

#include <QWidget>

class IconLabel;
class QPushButton;

// One row of the catalogue list: icon, name, version, rating and install.
class ItemWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ItemWidget(const TPublishedAppInfo &info, QWidget *parent = nullptr);

    const TPublishedAppInfo &appInfo() const { return m_info; }
    QPushButton *installButton() const { return m_install; }
    IconLabel *iconLabel() const { return m_icon; }

private:
    TPublishedAppInfo m_info;
    IconLabel *m_icon;
    QPushButton *m_install;
};

#endif // ITEMWIDGET_H
