#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

ModalAnswerer::ModalAnswerer(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        // exec() marks the dialog modal before showing it; the answer comes
        // from inside the dialog's own loop, once it runs.
        if (dialog && dialog->isModal()) {
            QPointer<QDialog> shown(dialog);
            QTimer::singleShot(0, this, [this, shown] {
                if (shown && shown->isVisible())
                    answer(shown);
            });
        }
    }
    return false;
}

void ModalAnswerer::answer(QDialog *dialog)
{
    m_answered.append(dialog->objectName());
    for (const QString &name : std::as_const(m_preferred)) {
        auto *button = dialog->findChild<QAbstractButton *>(name);
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    dialog->accept();
}
