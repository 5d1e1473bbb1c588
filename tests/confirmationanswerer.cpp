#include "confirmationanswerer.h"

#include "uninstallconfirmation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>

ConfirmationAnswerer::ConfirmationAnswerer(bool confirm)
    : m_confirm(confirm)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ConfirmationAnswerer::answer);
    m_timer->start(20);
}

void ConfirmationAnswerer::answer()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto dialog = qobject_cast<UninstallConfirmation *>(window);
        if (!dialog || !dialog->isVisible())
            continue;
        QStringList texts;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->isVisible() && !label->text().isEmpty())
                texts.append(label->text());
        }
        m_shown.append(texts.join(QLatin1Char('\n')));
        dialog->getButton(m_confirm ? UninstallConfirmation::ConfirmAnswer
                                    : UninstallConfirmation::CancelAnswer)
                ->click();
    }
}
