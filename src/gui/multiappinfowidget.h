#ifndef MULTIAPPINFOWIDGET_H
#define MULTIAPPINFOWIDGET_H

#include "appinfovector.h"

#include <QWidget>

class QButtonGroup;
class QVBoxLayout;

// The published versions of one application, one of them selected.
class Multiappinfowidget : public QWidget
{
    Q_OBJECT
public:
    explicit Multiappinfowidget(QWidget *parent = nullptr);

    int selectedVersion() const { return m_selected; }
    // Checks the radio button of version n.
    void selectVersion(int n);
    QButtonGroup *buttonGroup() const { return m_group; }

public slots:
    void insertData(const Vector &vecAppinfo);
    void onGroupButtonToggled(int n, bool bflag);

private:
    void clear();
    QWidget *createRow(int index, const TPublishedAppInfo &info);

    QVBoxLayout *m_layout;
    QButtonGroup *m_group = nullptr;
    int m_selected = 0;
};

#endif // MULTIAPPINFOWIDGET_H
