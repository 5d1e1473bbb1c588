#ifndef WNMETHODITEM_H
#define WNMETHODITEM_H

#include "tpublishedappinfo.h"

#include <QWidget>

class QRadioButton;

/*
 * One configuration on the configuration page: a radio button, the
 * configuration's icon and name, and for a catalogue configuration its score
 * as five stars.
 */
class WnMethodItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr int StarCount = 5;

    explicit WnMethodItem(QWidget *parent = nullptr);

    // Builds the item; called once.
    void setData(const TPublishedAppInfo &info, const QString &iconPath);
    const TPublishedAppInfo &data() const { return m_info; }
    void setChecked(bool checked);
    bool isChecked() const;

    // The star pictures for a score, in display order.
    static QStringList starFiles(double score);

signals:
    void s_ItemClicked(WnMethodItem *item);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString displayText(const QFont &font) const;

    QRadioButton *m_radio;
    TPublishedAppInfo m_info;
};

#endif // WNMETHODITEM_H
