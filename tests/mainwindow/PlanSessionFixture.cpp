#include "mainwindow/PlanSessionFixture.h"

#include "aptui/FileChooser.h"
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceListModel.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "support/DialogAnswerer.h"

#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

PlanSession *PlanSessionFixture::session() const
{
    return m_window->planSession();
}

DeviceAddPage *PlanSessionFixture::page() const
{
    return m_window->findChild<DeviceAddPage *>();
}

int PlanSessionFixture::rows() const
{
    return page()->model()->rowCount();
}

QVector<StructDeviceItem> PlanSessionFixture::groups() const
{
    return page()->getDeviceData().values();
}

QString PlanSessionFixture::title() const
{
    return m_window->windowTitle();
}

Result PlanSessionFixture::result() const
{
    Result r;
    m_window->getDataCalculatorPage()->fillResult(r);
    return r;
}

void PlanSessionFixture::add(const QString &name, int channels)
{
    part<QLineEdit>("m_lineEditChannelName")->setText(name);
    part<QLineEdit>("m_lineEditChannelCounts")->setText(QString::number(channels));
    part("m_btnAddDevice")->click();
}

void PlanSessionFixture::newWindow()
{
    delete m_window;
    m_window = new VantorMainPage;
    m_window->connectSignals();
    m_window->setGeometry(100, 80, 1200, 760);
    m_window->show();
}

bool PlanSessionFixture::opened(const std::function<void()> &start) const
{
    QSignalSpy finished(session(), &PlanSession::openFinished);
    start();
    return finished.wait(60000) && finished.first().first().toBool();
}

QString PlanSessionFixture::hintOf(const std::function<void()> &action)
{
    QString text;
    auto answer = DialogAnswerer::answerNext([&text](QWidget *dialog) {
        text = labelsOf(dialog);
        DialogAnswerer::close(dialog);
    });
    action();
    answer->stop();
    return text;
}

QString PlanSessionFixture::labelsOf(QWidget *dialog)
{
    QString text;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        text += label->text() + QLatin1Char('\n');
    return text;
}

void PlanSessionFixture::initTestCase()
{
    // The table reader traces every header it reads.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const auto chooser = [this](QWidget *, const QString &caption, const QString &, const QString &) {
        m_asked.append(caption);
        return m_answer;
    };
    aptui::FileChooser::setSaveFunction(chooser);
    aptui::FileChooser::setOpenFunction(chooser);
}

void PlanSessionFixture::init()
{
    m_data = std::make_unique<EditorDataDir>();
    QVERIFY(m_data->isReady());
    m_files = std::make_unique<QTemporaryDir>();
    m_asked.clear();
    m_answer.clear();
    newWindow();
}

void PlanSessionFixture::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_files.reset();
    m_data.reset();
}
