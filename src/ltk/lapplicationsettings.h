#ifndef LAPPLICATIONSETTINGS_H
#define LAPPLICATIONSETTINGS_H

#include <QObject>

class QSettings;

/*
 * The toolkit's own per-user settings (currently the base font size). They
 * are read when the object is created and kept in step while it lives.
 */
class LApplicationSettings : public QObject
{
    Q_OBJECT
public:
    explicit LApplicationSettings(QObject *parent = nullptr);
    ~LApplicationSettings() override;

private:
    void saveFontSize();

    QSettings *m_settings;
};

#endif // LAPPLICATIONSETTINGS_H
