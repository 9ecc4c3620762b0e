#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QString>

#include <functional>

class QTimer;
class QWidget;

// Answers the next modal dialog a test runs. Set it up before the call that
// runs the dialog, then make the call:
//
//     auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
//     QCOMPARE(dialog.exec(), int(QDialog::Accepted));
//     QVERIFY(answer->answered());
//
// It polls QApplication::activeModalWidget() from a zero-interval timer, so it
// acts inside the dialog's own event loop. The modal widget already open when
// it is set up is not "next" and is left alone, which lets a callback set up
// the answer to a dialog that it opens itself.
class DialogAnswerer : public QObject
{
    Q_OBJECT

public:
    using Callback = std::function<void(QWidget *dialog)>;

    // Watches until a dialog came or timeoutMs passed. The watch keeps itself
    // alive until then; the handle only reports what happened.
    static QSharedPointer<DialogAnswerer> answerNext(Callback callback, int timeoutMs = 10000);

    // Stops watching; for a test that expected no dialog.
    void stop();

    bool answered() const { return m_answered; }
    bool gaveUp() const { return m_gaveUp; }
    // Spins the event loop until answered (or timeoutMs passed); true when answered.
    bool waitUntilAnswered(int timeoutMs = 10000) const;

    // What the answered dialog looked like when it was found.
    QString dialogObjectName() const { return m_objectName; }
    QString dialogTitle() const { return m_title; }
    QString dialogClassName() const { return m_className; }

    // Answers to use inside callbacks.
    static void accept(QWidget *dialog);
    static void reject(QWidget *dialog);
    static void close(QWidget *dialog);
    // Clicks the button of that object name inside the dialog; false when absent.
    static bool clickButton(QWidget *dialog, const QString &objectName);

    // Ready-made callbacks.
    static Callback accepting();
    static Callback rejecting();
    static Callback closing();
    static Callback clicking(const QString &buttonObjectName);

private:
    DialogAnswerer(Callback callback, int timeoutMs);
    void poll();
    void finish();

    Callback m_callback;
    QDeadlineTimer m_deadline;
    QTimer *m_timer = nullptr;
    QPointer<QWidget> m_ignored;
    QSharedPointer<DialogAnswerer> m_self;
    bool m_answered = false;
    bool m_gaveUp = false;
    QString m_objectName;
    QString m_title;
    QString m_className;
};
