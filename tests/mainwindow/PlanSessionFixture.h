#pragma once

#include "device/tst_editor_fixture.h"
#include "mainwindow/VantorMainPage.h"
#include "model/Result.h"
#include "model/StructDeviceItem.h"

#include <QAbstractButton>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

class DeviceAddPage;
class PlanSession;

// What the plan session suites share: a fresh main window over a private data
// folder for every test, a temporary folder for its files, and the window's
// widgets by object name. Every file question is answered with m_answer (empty
// cancels) and its caption kept in m_asked. Qt Test runs these slots for the
// suite derived from it, around each of its tests.
class PlanSessionFixture : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    VantorMainPage *m_window = nullptr;
    QStringList m_asked;
    QString m_answer;

    PlanSession *session() const;
    DeviceAddPage *page() const;
    int rows() const;
    QVector<StructDeviceItem> groups() const;
    QString path(const QString &name) const { return m_files->filePath(name); }
    QString title() const;
    Result result() const;
    template <typename T = QAbstractButton>
    T *part(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void add(const QString &name, int channels);
    void newWindow();
    // Runs the action that starts an open and waits until it ended; true when the plan is shown.
    bool opened(const std::function<void()> &start) const;
    // The text of the hint the action shows, closed; empty when none came.
    static QString hintOf(const std::function<void()> &action);
    static QString labelsOf(QWidget *dialog);

private slots:
    void initTestCase();
    void init();
    void cleanup();
};
