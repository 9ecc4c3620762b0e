#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class QWidget;

// Says in the window, without holding the user up, that the copy which keeps
// unsaved changes safe against a crash could not be written: once, and again
// only after a copy was written in between.
class RecoveryWriteHint
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryWriteHint)

public:
    // How the last write of the copy at `copyPath` went; a failure opens the
    // hint over `window` unless it was said already.
    void report(bool written, const QString &copyPath, QWidget *window);
    // The hint while it is open.
    QWidget *hint() const { return m_hint; }

private:
    QPointer<QWidget> m_hint;
    bool m_said = false;
};
