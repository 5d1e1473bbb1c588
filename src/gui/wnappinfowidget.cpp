#include "wnappinfowidget.h"

#include "installpageutil.h"
#include "lfontsizemanager.h"
#include "llineedit.h"
#include "plaintext.h"
#include "winesettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

const QSize IconSize(39, 34);
const QSize FieldSize(136, 20);
constexpr int EditButtonSize = 12;
constexpr int NameMaxLength = 30;
const QString UnknownVersion = QStringLiteral("1.0.0.0");
// Characters that have a meaning in paths, shells or desktop files.
const QString NamePattern = QStringLiteral("([^<>:!@#$%^&*~\"/\\\\|?*]{1,})");

QLabel *fieldLabel(const QString &text, QWidget *parent)
{
    auto label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel *valueLabel(QWidget *parent)
{
    auto label = new QLabel(parent);
    label->setFixedSize(FieldSize);
    return label;
}

} // namespace

WnAppInfoWidget::WnAppInfoWidget(QWidget *parent)
    : QWidget(parent)
    , m_titleLabel(InstallPage::localInstallTitle(this))
    , m_iconLabel(new QLabel(this))
    , m_fileTypeLabel(new QLabel(tr("未知"), this))
    , m_nameEdit(new LLineEdit(this))
    , m_nameLabel(valueLabel(this))
    , m_editButton(new QPushButton(this))
    , m_versionLabel(valueLabel(this))
    , m_agreementBox(new QCheckBox(tr("我已阅读并同意"), this))
    , m_agreementLink(new QLabel(this))
    , m_nextButton(new QPushButton(tr("下一步"), this))
{
    m_iconLabel->setFixedSize(IconSize);
    m_iconLabel->setAlignment(Qt::AlignCenter);
    setupNameEditor();

    m_editButton->setFixedSize(EditButtonSize, EditButtonSize);
    m_editButton->setFlat(true);
    m_editButton->setIcon(InstallPage::svgPixmap(QStringLiteral("edit.svg"),
                                                 QSize(EditButtonSize, EditButtonSize)));
    m_editButton->setIconSize(QSize(EditButtonSize, EditButtonSize));
    m_editButton->setStyleSheet(QStringLiteral("border:none"));
    m_editButton->setCursor(Qt::PointingHandCursor);
    connect(m_editButton, &QPushButton::clicked, this, &WnAppInfoWidget::startEditing);

    const QString address = WineSettings::instance()->stringValue(
            QStringLiteral("privacy_agreement"));
    m_agreementLink->setText(tr("<style> a {text-decoration:none} </style> <a href = '%1'>"
                                "《用户隐私协议》</a>")
                                     .arg(address.toHtmlEscaped()));
    m_agreementLink->setOpenExternalLinks(true);
    connect(m_agreementBox, &QCheckBox::clicked, this, &WnAppInfoWidget::updateNextButton);

    m_nextButton->setEnabled(false);
    buildLayout();
}

void WnAppInfoWidget::setupNameEditor()
{
    QLineEdit *edit = m_nameEdit->lineEdit();
    m_nameEdit->setFixedSize(FieldSize);
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_nameEdit->setPlaceholderText(QStringLiteral("Can't be empty!"));
    edit->setMaxLength(NameMaxLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(NamePattern), edit));
    m_nameEdit->hide();
    connect(m_nameEdit, &LLineEdit::editingFinished, this, &WnAppInfoWidget::onEditingFinished);
    connect(m_nameEdit, &LLineEdit::textChanged, this, &WnAppInfoWidget::updateNextButton);
}

void WnAppInfoWidget::buildLayout()
{
    auto grid = new QGridLayout;
    grid->setSpacing(8);
    grid->addWidget(m_iconLabel, 0, 0, 3, 1, Qt::AlignCenter);
    grid->addWidget(fieldLabel(tr("文件类型:"), this), 0, 1);
    grid->addWidget(m_fileTypeLabel, 0, 2, 1, 2);
    grid->addWidget(fieldLabel(tr("应用名称:"), this), 1, 1);
    grid->addWidget(m_nameLabel, 1, 2);
    grid->addWidget(m_nameEdit, 1, 2);
    grid->addWidget(m_editButton, 1, 3, Qt::AlignVCenter);
    grid->addWidget(fieldLabel(tr("应用版本:"), this), 2, 1);
    grid->addWidget(m_versionLabel, 2, 2, 1, 2);

    auto grids = new QHBoxLayout;
    grids->addStretch();
    grids->addLayout(grid);
    grids->addStretch();

    auto agreement = new QHBoxLayout;
    agreement->setSpacing(0);
    agreement->addStretch();
    agreement->addWidget(m_agreementBox);
    agreement->addWidget(m_agreementLink);
    agreement->addStretch();

    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    layout->addLayout(grids);
    layout->addStretch();
    layout->addLayout(agreement);
    layout->addLayout(InstallPage::buttonRow({m_nextButton}));
}

void WnAppInfoWidget::setPeInfo(const TPeInfo &info)
{
    {
        const QSignalBlocker blocker(m_nameEdit);
        PlainText::setText(m_fileTypeLabel, info.peFileType);
        m_nameEdit->setText(info.peProductName);
        m_nameEdit->lineEdit()->setCursorPosition(0);
        PlainText::setText(m_nameLabel, info.peProductName);
        PlainText::setText(m_versionLabel, info.peProductVersion.isEmpty() ? UnknownVersion
                                                                           : info.peProductVersion);
        m_iconLabel->setPixmap(InstallPage::scaledPicture(info.peIconFile, IconSize));
        m_hasPeInfo = true;
        updateNextButton();
    }
    m_peInfo = info;
}

TPeInfo WnAppInfoWidget::peInfo() const
{
    TPeInfo info = m_peInfo;
    const QString name = m_nameEdit->text().trimmed();
    if (!name.isEmpty())
        info.peProductName = name;
    if (info.peProductVersion.isEmpty())
        info.peProductVersion = m_versionLabel->text();
    return info;
}

void WnAppInfoWidget::startEditing()
{
    m_nameLabel->hide();
    m_nameEdit->show();
    m_nameEdit->lineEdit()->setFocus();
    m_nameEdit->lineEdit()->setCursorPosition(0);
}

void WnAppInfoWidget::onEditingFinished()
{
    const QString name = m_nameEdit->text().trimmed();
    if (!name.isEmpty()) {
        PlainText::setText(m_nameLabel, name);
        m_nameEdit->hide();
        m_nameLabel->show();
        m_peInfo.peProductName = name;
    } else if (m_nameEdit->text().isEmpty()) {
        QToolTip::showText(m_nameEdit->mapToGlobal(QPoint(0, 0)), tr("App name can't be empty!"),
                           m_nameEdit);
    }
    updateNextButton();
}

void WnAppInfoWidget::updateNextButton()
{
    m_nextButton->setEnabled(m_agreementBox->isChecked() && m_hasPeInfo
                             && !m_nameEdit->text().isEmpty());
}
