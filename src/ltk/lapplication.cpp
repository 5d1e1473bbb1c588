#include "lapplication.h"

#include <QDir>
#include <QTranslator>

LApplication::LApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

LApplication::~LApplication() = default;

QStringList LApplication::translationDirectories()
{
    const QString appDir = applicationDirPath();
    return {appDir + QStringLiteral("/../translations"),
            appDir + QStringLiteral("/../share/") + applicationName()
                    + QStringLiteral("/translations"),
            QStringLiteral(LWA_TRANSLATIONS_DIR), QStringLiteral(":/translations")};
}

bool LApplication::loadTranslator(const QList<QLocale> &locales)
{
    const QList<QLocale> wanted = locales.isEmpty() ? QList<QLocale>{QLocale::system()} : locales;
    auto translator = new QTranslator(this);
    for (const QLocale &locale : wanted) {
        for (const QString &dir : translationDirectories()) {
            if (translator->load(locale, applicationName(), QStringLiteral("_"), dir)) {
                if (m_translator) {
                    removeTranslator(m_translator);
                    delete m_translator;
                }
                installTranslator(translator);
                m_translator = translator;
                return true;
            }
        }
    }
    delete translator;
    return false;
}

void LApplication::setProductName(const QString &name)
{
    m_productName = name;
    setApplicationDisplayName(name);
}

void LApplication::setProductIcon(const QIcon &icon)
{
    m_productIcon = icon;
}

void LApplication::setApplicationDescription(const QString &description)
{
    m_description = description;
}
