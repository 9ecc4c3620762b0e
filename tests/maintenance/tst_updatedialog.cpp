// The "Update Data" dialog: the template it writes, and importing through it.
// What an import accepts, refuses and writes is the scene import's own suite.
#include "aptui/FileChooser.h"
#include "maintenance/UpdateDialog.h"
#include "model/BitrateConfigData.h"
#include "model/ModelDataDir.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char kTable[] = "Resolution,30,25,20,15,10,5,1\n"
                      "1080P,4096,3072,2560,2048,1536,1024,512\n"
                      "720P,2048,1808,1536,1264,960,576,240\n";
const char kScenes[] = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                       "Office,H.264,720P,1088,office.png\n";

} // namespace

class TestUpdateDialog : public QObject
{
    Q_OBJECT

private:
    ModelDataDir *m_data = nullptr;
    QTemporaryDir m_user;

    static QString tipText(UpdateDialog &dialog)
    {
        return dialog.findChild<QLabel *>(QStringLiteral("m_tipText"))->text();
    }
    static bool hasIcon(UpdateDialog &dialog)
    {
        return !dialog.findChild<QLabel *>(QStringLiteral("m_tipIcon"))->pixmap().isNull();
    }
    static void click(UpdateDialog &dialog, const char *button)
    {
        dialog.findChild<QAbstractButton *>(QLatin1String(button))->click();
    }
    static void answerFiles(const QString &path)
    {
        const auto answer = [path](QWidget *, const QString &, const QString &, const QString &) { return path; };
        aptui::FileChooser::setSaveFunction(answer);
        aptui::FileChooser::setOpenFunction(answer);
    }

private slots:
    // The status icons are the skin's.
    void initTestCase() { QVERIFY(SkinStyle::apply()); }

    void init()
    {
        m_data = new ModelDataDir(QString());
        QVERIFY(m_data->write(QStringLiteral("IPCBitrate/H.264.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("IPCBitrate/H.265.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("Scene.csv"), kScenes));
        QVERIFY(m_data->makeFolder(QStringLiteral("ScenePicture")));
    }

    void cleanup()
    {
        aptui::FileChooser::setSaveFunction({});
        aptui::FileChooser::setOpenFunction({});
        delete m_data;
        m_data = nullptr;
    }

    // The exported template is itself a file the import takes: its two rows
    // replace the scenes although the pictures it names do not exist.
    void exportedTemplateImportsBack_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("named .csv") << QStringLiteral("mine.csv") << QStringLiteral("mine.csv");
        QTest::newRow("no suffix") << QStringLiteral("mine") << QStringLiteral("mine.csv");
    }

    void exportedTemplateImportsBack()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        UpdateDialog dialog;
        const QString target = m_user.filePath(written);
        QFile::remove(target);
        answerFiles(m_user.filePath(chosen));
        click(dialog, "m_btnExport");
        QVERIFY(hasIcon(dialog));
        QVERIFY2(tipText(dialog).startsWith(QStringLiteral("Export Success.")), qPrintable(tipText(dialog)));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count('\n'), 4);
        QVERIFY(bytes.endsWith("\n\n"));
        QVERIFY(!bytes.contains('\r'));

        answerFiles(target);
        click(dialog, "m_btnImport");
        QVERIFY2(tipText(dialog).startsWith(QStringLiteral("Import Success, Restart Software to Work.")),
                 qPrintable(tipText(dialog)));
        QStringList scenes;
        QVERIFY(BitrateConfigData().getScenceNames(scenes));
        QCOMPARE(scenes, QStringList{QStringLiteral("Hospital")});
        QVERIFY(tipText(dialog).contains(QStringLiteral("hospital1.png")));
    }

    void failuresAndCancelsSayWhatHappened_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("imported"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QString>("status");
        QTest::newRow("export cancelled") << QStringLiteral("m_btnExport") << QByteArray() << false << QString();
        QTest::newRow("import cancelled") << QStringLiteral("m_btnImport") << QByteArray() << false << QString();
        QTest::newRow("export onto a folder")
            << QStringLiteral("m_btnExport") << QByteArray("folder") << true << QStringLiteral("Export Failure.");
        QTest::newRow("import of a bad row")
            << QStringLiteral("m_btnImport")
            << QByteArray("Scene,Encoding,Resolution,Bitrate,Picture\nA,H.264,720P,100,a.png\nB,H.264,720P,0,b.png\n")
            << true << QStringLiteral("Import Failure. Line 3:");
    }

    void failuresAndCancelsSayWhatHappened()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, imported);
        QFETCH(bool, icon);
        QFETCH(QString, status);
        UpdateDialog dialog;
        // A status from an earlier action, which a cancel must clear.
        dialog.showStatus(UpdateDialog::ActionImport, true);
        const QByteArray scenesBefore = m_data->read(QStringLiteral("Scene.csv"));

        QString chosen;
        if (imported == "folder") {
            chosen = m_user.filePath(QStringLiteral("folder.csv"));
            QVERIFY(QDir().mkpath(chosen));
        } else if (!imported.isEmpty()) {
            chosen = m_user.filePath(QStringLiteral("bad.csv"));
            QFile file(chosen);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(imported) == imported.size());
        }
        answerFiles(chosen);
        click(dialog, button.toLatin1().constData());

        QCOMPARE(hasIcon(dialog), icon);
        QVERIFY2(status.isEmpty() ? tipText(dialog).isEmpty() : tipText(dialog).startsWith(status),
                 qPrintable(tipText(dialog)));
        QCOMPARE(m_data->read(QStringLiteral("Scene.csv")), scenesBefore);
    }
};

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
