#include "appinstallablesubstackwidgt.h"

#include "licontheme.h"
#include "llabel.h"

#include <QIcon>
#include <QVBoxLayout>

namespace {
constexpr QSize ImageSize(96, 96);
}

Appinstallablesubstackwidgt::Appinstallablesubstackwidgt(QWidget *parent)
    : QWidget(parent)
{
    auto image = new LLabel(this);
    image->setObjectName(QStringLiteral("placeholderImage"));
    image->setPixmap(
            LIconTheme::fileIcon(LIconTheme::builtinPrefix() + QStringLiteral("lw_space.svg"))
                    .pixmap(ImageSize));
    image->setAlignment(Qt::AlignCenter);

    auto text = new LLabel(tr("点击应用显示详情"), this);
    text->setObjectName(QStringLiteral("placeholderText"));
    text->setAlignment(Qt::AlignCenter);
    text->setForegroundRole(LPalette::TextTips);

    auto layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(image);
    layout->addWidget(text);
    layout->addStretch();
}
