#include "host/CFile.h"
#include "host/CGenericDS.h"
#include "host/TargetPath.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

using namespace FenwaGUIToolkit;

class TestHostToolkit : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void cleanup() { SetTargetPath(QString()); }

    void targetPathEndsWithSeparator()
    {
        QVERIFY(GetTargetPath().endsWith(QLatin1Char('/')));
        QCOMPARE(QDir(GetTargetPath()).absolutePath(), QDir(QCoreApplication::applicationDirPath()).absolutePath());
        QCOMPARE(GetTargetPathFile(QStringLiteral("Setup.xml")), GetTargetPath() + QStringLiteral("Setup.xml"));
    }

    void targetPathOverride()
    {
        QTemporaryDir dir;
        SetTargetPath(dir.path());
        QCOMPARE(GetTargetPath(), dir.path() + QLatin1Char('/'));
        QCOMPARE(GetTargetPathFile(QStringLiteral("IPCBitrate")), dir.path() + QStringLiteral("/IPCBitrate"));
        SetTargetPath(QString());
        QVERIFY(GetTargetPath() != dir.path() + QLatin1Char('/'));
    }

    void readAllSingleFile()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.qss")), "QWidget{color:red;}");
        QCOMPARE(CFile::ReadAll(dir.filePath(QStringLiteral("a.qss"))), QStringLiteral("QWidget{color:red;}"));
        QCOMPARE(CFile::ReadAll(dir.filePath(QStringLiteral("missing.qss"))), QString());
        QCOMPARE(CFile::ReadAll(QString()), QString());
    }

    void readAllJoinsInListOrder()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.qss")), "A{}");
        writeFile(dir.filePath(QStringLiteral("b.qss")), "B{}\n");
        const QString joined =
            CFile::ReadAll({QStringLiteral("b.qss"), QStringLiteral("missing"), QStringLiteral("a.qss")}, dir.path());
        QVERIFY(joined.indexOf(QStringLiteral("B{}")) < joined.indexOf(QStringLiteral("A{}")));
        QVERIFY(joined.contains(QStringLiteral("A{}")));
        QCOMPARE(CFile::ReadAll(QStringList(), dir.path()), QString());
    }

    void writeAllReplacesOnlyWhole_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::addColumn<bool>("written");
        const QByteArray small(200, 's');
        // Past the write buffer, so the failing write is the direct one.
        const QByteArray large(256 * 1024, 'l');
        QTest::newRow("replaced") << QStringLiteral("Setup.xml") << small << 0 << true;
        QTest::newRow("emptied") << QStringLiteral("Setup.xml") << QByteArray() << 0 << true;
        QTest::newRow("disk full, buffered") << QStringLiteral("Setup.xml") << small << 16 << false;
        QTest::newRow("disk full, unbuffered") << QStringLiteral("Setup.xml") << large << 16 << false;
        QTest::newRow("missing folder") << QStringLiteral("no/such/Setup.xml") << small << 0 << false;
        QTest::newRow("folder in the way") << QStringLiteral("Folder") << small << 0 << false;
        QTest::newRow("no path") << QString() << small << 0 << false;
    }

    void writeAllReplacesOnlyWhole()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, data);
        QFETCH(int, sizeLimit);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QByteArray old("<Root>old</Root>\n");
        writeFile(dir.filePath(QStringLiteral("Setup.xml")), old);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Folder")));
        const QString path = target.isEmpty() ? QString() : dir.filePath(target);

        const auto write = [&] { return CFile::WriteAll(path, data); };
        QCOMPARE(sizeLimit > 0 ? underFileSizeLimit(rlim_t(sizeLimit), write) : write(), written);

        QFile file(dir.filePath(QStringLiteral("Setup.xml")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written ? data : old);
        // No temporary file is left behind, and no folder made.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{QStringLiteral("Folder"), QStringLiteral("Setup.xml")}));
    }

    void genericDsReadsSettings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Setup.xml"));
        writeFile(path, "<?xml version=\"1.0\"?><Root><Skin><Value>Blue</Value></Skin>"
                        "<!-- note --><Empty/><Skin><Value>Red</Value></Skin></Root>");
        CGenericDS root;
        QVERIFY(root.LoadXML(path));
        QCOMPARE(root.GetName(), QStringLiteral("Root"));
        QCOMPARE(root.GetChildrenCount(), 3);
        QCOMPARE(root.GetChild(1).GetName(), QStringLiteral("Empty"));
        QCOMPARE(root.GetChildByName(QStringLiteral("Skin")).GetChildByName(QStringLiteral("Value")).GetValue(),
                 QStringLiteral("Blue"));
        QVERIFY(root.GetChildByName(QStringLiteral("Nothing")).IsNull());
        QCOMPARE(root.GetChildByName(QStringLiteral("Nothing")).GetValue(), QString());
        QVERIFY(root.GetChild(7).IsNull());
        QVERIFY(root.GetChild(-1).IsNull());
    }

    void genericDsRefusesBadFiles()
    {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("broken.xml"));
        writeFile(broken, "<Root><Open></Root>");
        CGenericDS node;
        QVERIFY(!node.LoadXML(broken));
        QVERIFY(!node.LoadXML(dir.filePath(QStringLiteral("missing.xml"))));
        QVERIFY(node.IsNull());
        QVERIFY(!node.SetValue(QStringLiteral("x")));
        QVERIFY(!node.SaveXML(dir.filePath(QStringLiteral("out.xml"))));
    }

    void genericDsCopiesShareTheDocument()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Upgrade.xml"));
        writeFile(path, "<?xml version=\"1.0\" encoding=\"GB2312\"?><Root><Prompt><Value>1</Value></Prompt></Root>");
        CGenericDS root;
        QVERIFY(root.LoadXML(path));
        CGenericDS value = root.GetChildByName(QStringLiteral("Prompt")).GetChildByName(QStringLiteral("Value"));
        QVERIFY(value.SetValue(QStringLiteral("\u4E2D0")));
        // Saved through the root: the change made through the copy is in the file.
        QVERIFY(root.SaveXML(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains(QTextCodec::codecForName("GB2312")->fromUnicode(QStringLiteral("\u4E2D0"))));
        CGenericDS again;
        QVERIFY(again.LoadXML(path));
        QCOMPARE(again.GetChildByName(QStringLiteral("Prompt")).GetChildByName(QStringLiteral("Value")).GetValue(),
                 QStringLiteral("\u4E2D0"));
    }

    void saveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        writeFile(path, "<Root/>");
        CGenericDS root;
        QVERIFY(root.LoadXML(path));
        QVERIFY(!root.SaveXML(dir.filePath(QStringLiteral("no/such/folder/a.xml"))));
    }
};

QTEST_GUILESS_MAIN(TestHostToolkit)
#include "tst_hosttoolkit.moc"
