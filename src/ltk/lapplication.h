#ifndef LAPPLICATION_H
#define LAPPLICATION_H

#include <QApplication>
#include <QIcon>
#include <QList>
#include <QLocale>

class QTranslator;

// The toolkit's application object: a QApplication with a product identity.
class LApplication : public QApplication
{
    Q_OBJECT
public:
    LApplication(int &argc, char **argv);
    ~LApplication() override;

    /*
     * Installs "<application name>_<locale>.qm" for the first of the given
     * locales that has one (the system locale when the list is empty).
     * Returns true when a translation was installed.
     */
    bool loadTranslator(const QList<QLocale> &locales = {});

    void setProductName(const QString &name);
    QString productName() const { return m_productName; }

    void setProductIcon(const QIcon &icon);
    QIcon productIcon() const { return m_productIcon; }

    void setApplicationDescription(const QString &description);
    QString applicationDescription() const { return m_description; }

    static QStringList translationDirectories();

private:
    QString m_productName;
    QIcon m_productIcon;
    QString m_description;
    QTranslator *m_translator = nullptr;
};

#endif // LAPPLICATION_H
