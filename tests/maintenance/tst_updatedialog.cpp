// The "Update Data" dialog: the template it writes, and importing through it.
// What an import accepts, refuses and writes is the scene import's own suite.
#include "aptui/FileChooser.h"
#include "maintenance/UpdateDialog.h"
#include "model/BitrateConfigData.h"
#include "model/ModelDataDir.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QImage>
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
        QStringList scenes;
        QVERIFY(BitrateConfigData().getScenceNames(scenes));
        QCOMPARE(scenes, QStringList{QStringLiteral("Hospital")});
        QVERIFY(tipText(dialog).contains(QStringLiteral("hospital1.png")));
    }

    void statusSaysWhatHappened_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("imported"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("withPicture");    // office.png lies beside the imported file
        QTest::addColumn<QString>("outcome");     // empty: no status at all
        QTest::addColumn<QStringList>("status");  // how the status begins, then what it mentions
        const QByteArray office(kScenes);
        QTest::newRow("export cancelled")
            << QStringLiteral("m_btnExport") << QByteArray() << false << QString() << QStringList();
        QTest::newRow("import cancelled")
            << QStringLiteral("m_btnImport") << QByteArray() << false << QString() << QStringList();
        QTest::newRow("export onto a folder")
            << QStringLiteral("m_btnExport") << QByteArray("folder") << false << QStringLiteral("failure")
            << QStringList{QStringLiteral("Export Failure.")};
        QTest::newRow("import of a bad row")
            << QStringLiteral("m_btnImport")
            << QByteArray("Scene,Encoding,Resolution,Bitrate,Picture\nA,H.264,720P,100,a.png\nB,H.264,720P,0,b.png\n")
            << false << QStringLiteral("failure") << QStringList{QStringLiteral("Import Failure. Line 3:")};
        QTest::newRow("import with its picture")
            << QStringLiteral("m_btnImport") << office << true << QStringLiteral("success")
            << QStringList{QStringLiteral("Import Success, Restart Software to Work.")};
        QTest::newRow("import without its picture")
            << QStringLiteral("m_btnImport") << office << false << QStringLiteral("partial")
            << QStringList{QStringLiteral("Import Incomplete."), QStringLiteral("1 scene row"),
                           QStringLiteral("1 picture"), QStringLiteral("office.png")};
    }

    void statusSaysWhatHappened()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, imported);
        QFETCH(bool, withPicture);
        QFETCH(QString, outcome);
        QFETCH(QStringList, status);
        QTemporaryDir chosenDir;
        UpdateDialog dialog;
        // A status from an earlier action, which a cancel must clear.
        dialog.showStatus(UpdateDialog::ActionImport, UpdateDialog::Succeeded);
        const QByteArray scenesBefore = m_data->read(QStringLiteral("Scene.csv"));

        QString chosen;
        if (imported == "folder") {
            chosen = chosenDir.filePath(QStringLiteral("folder.csv"));
            QVERIFY(QDir().mkpath(chosen));
        } else if (!imported.isEmpty()) {
            chosen = chosenDir.filePath(QStringLiteral("scenes.csv"));
            QFile file(chosen);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(imported) == imported.size());
        }
        if (withPicture) {
            QImage picture(4, 4, QImage::Format_RGB32);
            picture.fill(Qt::gray);
            QVERIFY(picture.save(chosenDir.filePath(QStringLiteral("office.png"))));
        }
        answerFiles(chosen);
        click(dialog, button.toLatin1().constData());

        const QLabel *line = dialog.findChild<QLabel *>(QStringLiteral("m_tipText"));
        QCOMPARE(line->property("outcome").toString(), outcome);
        QCOMPARE(hasIcon(dialog), !outcome.isEmpty());
        QVERIFY2(status.isEmpty() ? tipText(dialog).isEmpty() : tipText(dialog).startsWith(status.first()),
                 qPrintable(tipText(dialog)));
        for (const QString &mentioned : status)
            QVERIFY2(tipText(dialog).contains(mentioned), qPrintable(tipText(dialog)));
        // Only an import that got through replaces the scenes, pictures or not.
        const bool taken =
            button == QLatin1String("m_btnImport") && outcome != QLatin1String("failure") && !outcome.isEmpty();
        QCOMPARE(m_data->read(QStringLiteral("Scene.csv")) != scenesBefore, taken);
        QCOMPARE(QFileInfo::exists(m_data->filePath(QStringLiteral("ScenePicture/office.png"))),
                 outcome == QLatin1String("success"));
    }
};

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
