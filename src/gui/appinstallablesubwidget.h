#ifndef APPINSTALLABLESUBWIDGET_H
#define APPINSTALLABLESUBWIDGET_H

#include "appinfovector.h"

#include <QWidget>

class IconLabel;
class LLabel;
class Multiappinfowidget;
class QPushButton;
class QScrollArea;
class RatingWidget;

/*
 * The detail panel of the catalogue page: the best-rated version's details
 * and, on request, the list of all versions to choose the one to install.
 */
class Appinstallablesubwidget : public QWidget
{
    Q_OBJECT
public:
    explicit Appinstallablesubwidget(QWidget *parent = nullptr);

    const Vector &versions() const { return m_versions; }
    Multiappinfowidget *versionList() const { return m_versionList; }
    LLabel *moreLink() const { return m_more; }
    QPushButton *installButton() const { return m_install; }
    bool isVersionListShown() const;
    // What pressing the more-versions link does.
    void toggleVersionList();
    // The first version's details, the version list collapsed and the
    // first version chosen: how the panel starts whenever it is shown.
    void showFirstVersion();

public slots:
    void getAppInfos(const Vector &vecAppInfo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createDetails();
    void install();

    Vector m_versions;
    IconLabel *m_icon;
    LLabel *m_name;
    LLabel *m_category;
    LLabel *m_version;
    QWidget *m_details;
    LLabel *m_created;
    LLabel *m_author;
    RatingWidget *m_rating;
    LLabel *m_more;
    QScrollArea *m_versionArea;
    Multiappinfowidget *m_versionList;
    QPushButton *m_install;
};

#endif // APPINSTALLABLESUBWIDGET_H
