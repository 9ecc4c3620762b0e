// A second start while the first instance runs shows the hint and is refused.
#include "PrivateSession.h"
#include "app/ToolsApplication.h"
#include "host/TargetPath.h"
#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

static QString s_appId;

class TestSecondInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartShowsTheHintAndIsRefused()
    {
        auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
        QVERIFY(app);
        QTemporaryDir dataDir;
        FenwaGUIToolkit::SetTargetPath(dataDir.path());

        QString text;
        QSize size;
        bool confirmShown = true;
        bool cancelShown = true;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            size = dialog->size();
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                if (label->text().contains(QStringLiteral("already running")))
                    text = label->text();
            }
            confirmShown = dialog->findChild<QAbstractButton *>(QStringLiteral("btnConfirm"))->isVisibleTo(dialog);
            cancelShown = dialog->findChild<QAbstractButton *>(QStringLiteral("btnCancel"))->isVisibleTo(dialog);
            DialogAnswerer::clickButton(dialog, QStringLiteral("btnClose"));
        });
        QTest::ignoreMessage(QtWarningMsg, "[Tool]LoadSkin = CommonSkin failed");
        QVERIFY(!app->initApplication());
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogObjectName(), QStringLiteral("APP_WARNINGDLG"));
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Hint"));
        QCOMPARE(text, QStringLiteral("TAVO storage calculator is already running."));
        QCOMPARE(size, QSize(400, 256));
        QVERIFY(!confirmShown);
        QVERIFY(!cancelShown);
    }
};

int main(int argc, char **argv)
{
    // Its own runtime folder, which the first instance inherits.
    PrivateSession session;
    if (!session.isValid())
        return 3;
    // The first instance is another process holding the same id.
    s_appId = QStringLiteral("tavo-test-second-") + QUuid::createUuid().toString(QUuid::Id128);
    QProcess first;
    first.start(QStringLiteral(TAVO_PROBE), {s_appId, QStringLiteral("hold")});
    if (!first.waitForReadyRead(20000))
        return 3;

    apt::ToolsApplication app(s_appId, argc, argv);
    TestSecondInstance test;
    const int result = QTest::qExec(&test, argc, argv);
    first.kill();
    first.waitForFinished();
    return result;
}

#include "tst_secondinstance.moc"
