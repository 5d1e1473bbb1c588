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
        if (!window->isVisible())
            continue;
        // Only the plain boxes: the install dialog host is an LDialog too.
        auto box = qobject_cast<LDialog *>(window);
        if (box && window->metaObject() == &LDialog::staticMetaObject && box->buttonCount() > 0) {
            m_shown.append(box->message());
            box->getButton(0)->click();
        }
        auto dialog = qobject_cast<UninstallConfirmation *>(window);
        if (!dialog)
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
