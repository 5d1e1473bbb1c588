#include "lapplicationsettings.h"

#include "lfontsizemanager.h"

#include <QSettings>

namespace {
const QString FontSizeKey = QStringLiteral("font/basePixelSize");
}

LApplicationSettings::LApplicationSettings(QObject *parent)
    : QObject(parent)
    , m_settings(new QSettings(QStringLiteral("lirvan"), QStringLiteral("ltk"), this))
{
    LFontSizeManager *fonts = LFontSizeManager::instance();
    const int size = m_settings->value(FontSizeKey, fonts->baseFontPixelSize()).toInt();
    fonts->setBaseFontPixelSize(size);
    connect(fonts, &LFontSizeManager::fontChanged, this, &LApplicationSettings::saveFontSize);
}

LApplicationSettings::~LApplicationSettings()
{
    m_settings->sync();
}

void LApplicationSettings::saveFontSize()
{
    m_settings->setValue(FontSizeKey, LFontSizeManager::instance()->baseFontPixelSize());
}
