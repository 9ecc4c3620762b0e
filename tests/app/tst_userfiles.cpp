// The user's own files: read instead of the shipped ones, where the program's
// writes go, and the language choice of the system menu.
#include "PrivateSession.h"
#include "aptui/FileChooser.h"
#include "aptui/Menu.h"
#include "host/TargetPath.h"
#include "maintenance/UpdateDialog.h"
#include "maintenance/UpgradeTool.h"
#include "mainwindow/VantorMainPage.h"
#include "model/BitrateConfigData.h"
#include "model/ConfigureManager.h"
#include "model/XmlNode.h"
#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace FenwaGUIToolkit;

namespace {

const char kTable[] = "Resolution,30,25,20,15,10,5,1\n"
                      "1080P,4096,3072,2560,2048,1536,1024,512\n"
                      "720P,2048,1808,1536,1264,960,576,240\n";

QByteArray setupXml(int translator)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup><Translator><Value>%1</Value>"
                          "</Translator><VersionType><Value>1</Value></VersionType><Skin><Value>CommonSkin</Value>"
                          "</Skin></Setup>\n")
        .arg(translator)
        .toUtf8();
}

QByteArray upgradeXml(const QString &address)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Upgrade><ServerAddressEn><Value>%1</Value>"
                          "</ServerAddressEn><ServerAddressZh><Value>%1</Value></ServerAddressZh><Prompt><Value>1"
                          "</Value></Prompt></Upgrade>\n")
        .arg(address)
        .toUtf8();
}

QByteArray scenesCsv(const QString &scene)
{
    return "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n" + scene.toUtf8() +
           ",H.264,720P,1088,office.png\n";
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below a folder with a digest of its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha1));
    }
    return files;
}

// The shipped data of these tests: English settings with no update checks, one
// scene with its picture, a camera table for imports and an update server.
void writeShipped(const QString &dir)
{
    QVERIFY(writeFile(dir + QStringLiteral("/Setup.xml"), setupXml(1)));
    QVERIFY(writeFile(dir + QStringLiteral("/Upgrade.xml"), upgradeXml(QStringLiteral("http://shipped"))));
    QVERIFY(writeFile(dir + QStringLiteral("/Scene.csv"), scenesCsv(QStringLiteral("Shipped"))));
    QVERIFY(writeFile(dir + QStringLiteral("/ScenePicture/office.png"), "shipped picture"));
    QVERIFY(writeFile(dir + QStringLiteral("/IPCBitrate/H.264.csv"), kTable));
}

upgrade::tagAppProperty appProperty()
{
    upgrade::tagAppProperty property;
    property.strVersion = "1.0.0";
    return property;
}

// What the program reads from a file, as it reads it.
QString readThroughTheProgram(const QString &file)
{
    if (file == QLatin1String("Scene.csv")) {
        QStringList names;
        BitrateConfigData().getScenceNames(names);
        return names.join(QLatin1Char(','));
    }
    if (file.startsWith(QLatin1String("ScenePicture/")))
        return QString::fromUtf8(readFile(BitrateConfigData().getScencePicture(
            QStringLiteral("Shipped"), QStringLiteral("H.264"), QStringLiteral("720P"))));
    if (file == QLatin1String("Upgrade.xml"))
        return UpgradeTool(appProperty(), nullptr).serverAddress();
    apt::ConfigureManager::instance()->loadSetup();
    return QString::number(apt::ConfigureManager::instance()->translator());
}

} // namespace

class TestUserFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_shipped = nullptr;
    QTemporaryDir *m_user = nullptr;

    QString shipped() const { return m_shipped->path(); }
    QString user() const { return m_user->path(); }

    // Makes the user's folders impossible to create: they would lie below a regular file.
    QString blockUserFolder() const
    {
        const QString blocked = user() + QStringLiteral("/file/user");
        SetUserDataPath(blocked);
        return writeFile(user() + QStringLiteral("/file"), "not a folder") ? blocked : QString();
    }

private slots:
    void init()
    {
        m_shipped = new QTemporaryDir;
        m_user = new QTemporaryDir;
        writeShipped(shipped());
        SetTargetPath(shipped());
        SetUserDataPath(user());
    }

    void cleanup()
    {
        aptui::FileChooser::setOpenFunction({});
        SetTargetPath(QString());
        SetUserDataPath(QString());
        delete m_shipped;
        delete m_user;
    }

    void userFileWins_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("userContent"); // null: the user has none
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("warned");
        QTest::newRow("scenes: shipped") << QStringLiteral("Scene.csv") << QByteArray() << QStringLiteral("Shipped")
                                         << false;
        QTest::newRow("scenes: imported")
            << QStringLiteral("Scene.csv") << scenesCsv(QStringLiteral("Mine")) << QStringLiteral("Mine") << false;
        QTest::newRow("scene picture: shipped")
            << QStringLiteral("ScenePicture/office.png") << QByteArray() << QStringLiteral("shipped picture") << false;
        QTest::newRow("scene picture: imported") << QStringLiteral("ScenePicture/office.png")
                                                 << QByteArray("my picture") << QStringLiteral("my picture") << false;
        QTest::newRow("update server: shipped")
            << QStringLiteral("Upgrade.xml") << QByteArray() << QStringLiteral("http://shipped") << false;
        QTest::newRow("update server: the user's")
            << QStringLiteral("Upgrade.xml") << upgradeXml(QStringLiteral("http://mine"))
            << QStringLiteral("http://mine") << false;
        QTest::newRow("settings: shipped")
            << QStringLiteral("Setup.xml") << QByteArray() << QStringLiteral("1") << false;
        QTest::newRow("settings: the user's")
            << QStringLiteral("Setup.xml") << setupXml(8) << QStringLiteral("8") << false;
        QTest::newRow("settings: the user's, broken")
            << QStringLiteral("Setup.xml") << QByteArray("<Setup><Translator><Value>8") << QStringLiteral("1") << true;
    }

    void userFileWins()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, userContent);
        QFETCH(QString, read);
        QFETCH(bool, warned);
        if (!userContent.isNull())
            QVERIFY(writeFile(user() + QLatin1Char('/') + file, userContent));
        if (warned)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^The settings file .*Setup.xml cannot be read")));
        QCOMPARE(readThroughTheProgram(file), read);
    }

    // Each write lands in the user's folder, made when missing, and never
    // touches the shipped files.
    void writesLandInTheUserFolder_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("written");
        QTest::newRow("update prompt") << QStringLiteral("prompt") << QStringLiteral("Upgrade.xml");
        QTest::newRow("language") << QStringLiteral("language") << QStringLiteral("Setup.xml");
        QTest::newRow("scene import") << QStringLiteral("import") << QStringLiteral("Scene.csv");
    }

    void writesLandInTheUserFolder()
    {
        QFETCH(QString, action);
        QFETCH(QString, written);
        const QString folder = user() + QStringLiteral("/missing/folder");
        SetUserDataPath(folder);
        const QMap<QString, QByteArray> shippedBefore = snapshot(shipped());

        if (action == QLatin1String("prompt")) {
            UpgradeTool(appProperty(), nullptr).setPrompt(false);
        } else if (action == QLatin1String("language")) {
            QVERIFY(apt::ConfigureManager::saveTranslator(8));
        } else {
            const QString scenes = user() + QStringLiteral("/import.csv");
            QVERIFY(writeFile(scenes, scenesCsv(QStringLiteral("Imported"))));
            aptui::FileChooser::setOpenFunction(
                [scenes](QWidget *, const QString &, const QString &, const QString &) { return scenes; });
            UpdateDialog dialog(nullptr);
            dialog.findChild<QAbstractButton *>(QStringLiteral("m_btnImport"))->click();
        }

        QCOMPARE(snapshot(shipped()), shippedBefore);
        QVERIFY(QFileInfo::exists(folder + QLatin1Char('/') + written));
    }

    void languageChoiceIsSaved_data()
    {
        QTest::addColumn<unsigned>("language");
        QTest::addColumn<QString>("answer"); // the restart question's button; empty: no question
        QTest::addColumn<bool>("folderBlocked");
        QTest::addColumn<unsigned>("checked"); // afterwards
        QTest::addColumn<int>("saved");        // "Translator" of the user's Setup.xml; -1: none written
        QTest::addColumn<int>("restarts");
        QTest::newRow("Chinese, restart later") << 1u << QStringLiteral("btnCancel") << false << 1u << 1 << 0;
        QTest::newRow("Russian, restart now") << 8u << QStringLiteral("btnConfirm") << false << 8u << 8 << 1;
        QTest::newRow("question closed") << 8u << QStringLiteral("btnClose") << false << 8u << 8 << 0;
        QTest::newRow("the language already chosen") << 0u << QString() << false << 0u << -1 << 0;
        QTest::newRow("settings cannot be written") << 1u << QString() << true << 0u << -1 << 0;
    }

    void languageChoiceIsSaved()
    {
        QFETCH(unsigned, language);
        QFETCH(QString, answer);
        QFETCH(bool, folderBlocked);
        QFETCH(unsigned, checked);
        QFETCH(int, saved);
        QFETCH(int, restarts);
        QVERIFY(writeFile(shipped() + QStringLiteral("/Setup.xml"), setupXml(0)));
        QVERIFY(apt::ConfigureManager::instance()->loadSetup());
        VantorMainPage window;
        window.setGeometry(100, 80, 1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString folder = folderBlocked ? blockUserFolder() : user();
        const QByteArray shippedBefore = readFile(shipped() + QStringLiteral("/Setup.xml"));
        QSignalSpy restart(&window, &VantorMainPage::signalRestartRequested);

        QAction *choice =
            window.languageMenu()->findChild<QAction *>(QStringLiteral("m_actionLanguage%1").arg(language));
        QVERIFY(choice);
        QString shown;
        auto dialog = DialogAnswerer::answerNext([&](QWidget *open) {
            shown = open->objectName();
            const QString button = answer.isEmpty() ? QStringLiteral("m_btnClose") : answer;
            QVERIFY(DialogAnswerer::clickButton(open, button));
        });
        if (folderBlocked) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot create the folder")));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write the settings file")));
        }
        choice->trigger();

        const bool asked = !answer.isEmpty();
        QCOMPARE(dialog->answered(), asked || folderBlocked);
        if (asked)
            QCOMPARE(shown, QStringLiteral("languageRestartDialog"));
        if (folderBlocked)
            QCOMPARE(shown, QStringLiteral("WarningDialog"));
        dialog->stop();
        QCOMPARE(restart.count(), restarts);
        for (QAction *action : window.languageMenu()->actions())
            QCOMPARE(action->isChecked(), action->data().toUInt() == checked);
        QCOMPARE(readFile(shipped() + QStringLiteral("/Setup.xml")), shippedBefore);
        // Written whole through a temporary file: nothing but the settings file is left.
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, saved < 0 ? QStringList() : QStringList{QStringLiteral("Setup.xml")});
        if (saved >= 0) {
            XmlNode setup;
            QVERIFY(setup.load(folder + QStringLiteral("/Setup.xml")));
            QCOMPARE(setup.child(QStringLiteral("Translator")).child(QStringLiteral("Value")).text(),
                     QString::number(saved));
            // The other settings are kept.
            QCOMPARE(setup.child(QStringLiteral("VersionType")).child(QStringLiteral("Value")).text(),
                     QStringLiteral("1"));
        }
    }
};

int main(int argc, char **argv)
{
    PrivateSession session;
    if (!session.isValid())
        return 3;
    QApplication app(argc, argv);
    TestUserFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_userfiles.moc"
