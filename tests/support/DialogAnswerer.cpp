#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

QSharedPointer<DialogAnswerer> DialogAnswerer::answerNext(Callback callback, int timeoutMs)
{
    // deleteLater: the last reference may go inside the answerer's own slot.
    QSharedPointer<DialogAnswerer> answerer(new DialogAnswerer(std::move(callback), timeoutMs), &QObject::deleteLater);
    answerer->m_self = answerer;
    answerer->m_timer->start();
    return answerer;
}

DialogAnswerer::DialogAnswerer(Callback callback, int timeoutMs)
    : m_callback(std::move(callback)), m_deadline(timeoutMs), m_ignored(QApplication::activeModalWidget())
{
    m_timer = new QTimer(this);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &DialogAnswerer::poll);
}

void DialogAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != m_ignored && modal->isVisible()) {
        m_timer->stop();
        m_answered = true;
        m_objectName = modal->objectName();
        m_title = modal->windowTitle();
        m_className = QString::fromLatin1(modal->metaObject()->className());
        if (m_callback)
            m_callback(modal);
        finish();
        return;
    }
    if (m_deadline.hasExpired()) {
        m_gaveUp = true;
        finish();
    }
}

void DialogAnswerer::stop()
{
    finish();
}

void DialogAnswerer::finish()
{
    m_timer->stop();
    m_callback = nullptr;
    m_self.reset();
}

bool DialogAnswerer::waitUntilAnswered(int timeoutMs) const
{
    return QTest::qWaitFor([this] { return m_answered || m_gaveUp; }, timeoutMs) && m_answered;
}

void DialogAnswerer::accept(QWidget *dialog)
{
    if (auto *box = qobject_cast<QDialog *>(dialog))
        box->accept();
}

void DialogAnswerer::reject(QWidget *dialog)
{
    if (auto *box = qobject_cast<QDialog *>(dialog))
        box->reject();
}

void DialogAnswerer::close(QWidget *dialog)
{
    if (dialog)
        dialog->close();
}

bool DialogAnswerer::clickButton(QWidget *dialog, const QString &objectName)
{
    if (!dialog)
        return false;
    auto *button = dialog->findChild<QAbstractButton *>(objectName);
    if (!button)
        return false;
    button->click();
    return true;
}

DialogAnswerer::Callback DialogAnswerer::accepting()
{
    return [](QWidget *dialog) { accept(dialog); };
}

DialogAnswerer::Callback DialogAnswerer::rejecting()
{
    return [](QWidget *dialog) { reject(dialog); };
}

DialogAnswerer::Callback DialogAnswerer::closing()
{
    return [](QWidget *dialog) { close(dialog); };
}

DialogAnswerer::Callback DialogAnswerer::clicking(const QString &buttonObjectName)
{
    return [buttonObjectName](QWidget *dialog) { clickButton(dialog, buttonObjectName); };
}
