#include "ModelDataDir.h"

#include "model/BitrateConfigData.h"
#include "model/SceneImport.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

namespace {

const char kHeader[] = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
const char kBom[] = "\xEF\xBB\xBF";

QMap<QString, QStringList> cameraTables()
{
    const QStringList resolutions{QStringLiteral("720P"), QStringLiteral("1080P")};
    return {{QStringLiteral("H.264"), resolutions}, {QStringLiteral("H.265"), resolutions}};
}

// Every file and folder below the root with its bytes.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        out.insert(QDir(root).relativeFilePath(path),
                   it.fileInfo().isDir() || !file.open(QIODevice::ReadOnly) ? QByteArray("<folder>") : file.readAll());
    }
    return out;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool installInto(SceneImport &import, const ModelDataDir &data)
{
    return import.install(data.filePath(QStringLiteral("Scene.csv")), data.filePath(QStringLiteral("ScenePicture")));
}

} // namespace

class TestModelSceneImport : public QObject
{
    Q_OBJECT

    QTextCodec *m_localeCodec = nullptr;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_localeCodec = QTextCodec::codecForLocale();
    }

    void cleanup() { QTextCodec::setCodecForLocale(m_localeCodec); }

    void badFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("csv"); // null: there is no file
        QTest::addColumn<bool>("shippedTables");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("line");
        // A symbolic link of that name beside the file, to that path in a folder beside the file's folder.
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("linkTarget");
        const QByteArray good = QByteArray(kHeader) + "Office,H.264,720P,1024,\n\n";
        const auto bad = [&](const char *name, const char *row, SceneImport::Fault fault,
                             const QString &link = QString(), const QString &target = QString()) {
            QTest::newRow(name) << good + row + "\nLobby,H.264,720P,512,\n"
                                << false << int(fault) << 4 << link << target;
        };
        QTest::newRow("no file") << QByteArray() << false << int(SceneImport::Unreadable) << 0 << QString()
                                 << QString();
        QTest::newRow("empty") << QByteArray("") << false << int(SceneImport::NoHeader) << 1 << QString() << QString();
        QTest::newRow("header only") << QByteArray(kHeader) << false << int(SceneImport::NoRows) << 1 << QString()
                                     << QString();
        QTest::newRow("data row first") << QByteArray("Office,H.264,720P,1024,a.png\nLobby,H.264,720P,512,\n") << false
                                        << int(SceneImport::NoHeader) << 1 << QString() << QString();
        bad("three fields", "Office,H.264,720P", SceneImport::TooFewFields);
        bad("blank scene", " ,H.264,720P,1024,", SceneImport::EmptyScene);
        bad("unknown encoding", "Office, H.264,720P,1024,", SceneImport::UnknownEncoding);
        bad("unknown resolution", "Office,H.265,8MP,1024,", SceneImport::UnknownResolution);
        bad("bitrate 0", "Office,H.264,720P,0,", SceneImport::BadBitrate);
        bad("bitrate 204801", "Office,H.264,720P,204801,", SceneImport::BadBitrate);
        bad("bitrate 12.5", "Office,H.264,720P,12.5,", SceneImport::BadBitrate);
        bad("bitrate 12a", "Office,H.264,720P,12a,", SceneImport::BadBitrate);
        bad("bitrate with a space", "Office,H.264,720P, 12,", SceneImport::BadBitrate);
        // Pictures come from the file's folder and below only.
        bad("absolute picture path", "Office,H.264,720P,1024,/etc/hostname", SceneImport::PictureOutside);
        bad("network picture path", "Office,H.264,720P,1024,\\\\server\\a.png", SceneImport::PictureOutside);
        bad("picture path climbing out", "Office,H.264,720P,1024,../in-other/a.png", SceneImport::PictureOutside);
        bad("picture path climbing back", "Office,H.264,720P,1024,pics\\..\\a.png", SceneImport::PictureOutside);
        bad("picture linked out", "Office,H.264,720P,1024,out.png", SceneImport::PictureOutside,
            QStringLiteral("out.png"), QStringLiteral("a.png"));
        bad("picture in a folder linked out", "Office,H.264,720P,1024,pics/a.png", SceneImport::PictureOutside,
            QStringLiteral("pics"), QString());
        // The fixture tables know 720P for H.264 only.
        QTest::newRow("resolution of another table")
            << good + "Office,H.265,720P,1024,\n"
            << true << int(SceneImport::UnknownResolution) << 4 << QString() << QString();
    }

    void badFileChangesNothing()
    {
        QFETCH(QByteArray, csv);
        QFETCH(bool, shippedTables);
        QFETCH(int, fault);
        QFETCH(int, line);
        QFETCH(QString, link);
        QFETCH(QString, linkTarget);
        ModelDataDir data;
        QVERIFY(data.isValid());
        QVERIFY(data.write(QStringLiteral("ScenePicture/office.png"), "picture"));
        // The file's folder and one beside it whose name begins alike.
        QTemporaryDir source;
        const QString csvPath = source.filePath(QStringLiteral("in/import.csv"));
        QVERIFY(csv.isNull() || writeFile(csvPath, csv));
        QVERIFY(writeFile(source.filePath(QStringLiteral("in-other/a.png")), "elsewhere"));
        QVERIFY(link.isEmpty() || QFile::link(source.filePath(QStringLiteral("in-other/") + linkTarget),
                                              source.filePath(QStringLiteral("in/")) + link));
        const QMap<QString, QByteArray> before = snapshot(data.path());

        SceneImport import(shippedTables
                               ? SceneImport::tablesOf(QStringLiteral(TAVO_TEST_DATA_DIR "/model/base/IPCBitrate"))
                               : cameraTables());
        QVERIFY(!import.read(csvPath));
        QCOMPARE(int(import.fault()), fault);
        QCOMPARE(import.faultLine(), line);
        QCOMPARE(import.rowCount(), 0);
        QVERIFY(!installInto(import, data));
        QCOMPARE(snapshot(data.path()), before);
    }

    void goodFileReachesTheReaders_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QByteArray>("localeCodec");
        QTest::addColumn<QByteArray>("legacyCodec");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("bitrate"); // of the first scene at H.264 720P

        const QString hospital = QStringLiteral("\u533b\u9662");
        const QString office = QStringLiteral("\u529e\u516c\u5ba4");
        const QString chineseCsv = QString::fromLatin1(kHeader) + hospital +
                                   QStringLiteral(",H.264,720P,1024,a.png\n") + office +
                                   QStringLiteral(",H.265,1080P,2048,b.png\n");
        const QByteArray plain = QByteArray(kHeader) + "Hospital,H.264,720P,1024,a.png\nOffice,H.265,1080P,2048,\n";
        const QStringList plainNames{QStringLiteral("Hospital"), QStringLiteral("Office")};

        QTest::newRow("UTF-8") << chineseCsv.toUtf8() << QByteArray("UTF-8") << QByteArray()
                               << QStringList{hospital, office} << 1024;
        QTest::newRow("UTF-8 with mark, Latin-1 locale")
            << QByteArray(kBom) + chineseCsv.toUtf8() << QByteArray("ISO-8859-1") << QByteArray()
            << QStringList{hospital, office} << 1024;
        QTest::newRow("GB2312") << QTextCodec::codecForName("GB2312")->fromUnicode(chineseCsv) << QByteArray("UTF-8")
                                << QByteArray() << QStringList{hospital, office} << 1024;
        QTest::newRow("Latin-1 in a Latin-1 locale")
            << QByteArray(kHeader) + "Caf\xE9,H.264,720P,900,\n"
            << QByteArray("ISO-8859-1") << QByteArray() << QStringList{QStringLiteral("Caf\u00e9")} << 900;
        QTest::newRow("CRLF") << QByteArray(plain).replace("\n", "\r\n") << QByteArray("UTF-8") << QByteArray()
                              << plainNames << 1024;
        QTest::newRow("four fields") << QByteArray(kHeader) +
                                            "Hospital,H.264,720P,1024\r\nOffice,H.265,1080P,2048\n\n\n"
                                     << QByteArray("UTF-8") << QByteArray() << plainNames << 1024;

        const QString hall = QStringLiteral("\u0425\u043e\u043b\u043b");
        QTest::newRow("Windows-1251 named by the language")
            << QTextCodec::codecForName("Windows-1251")
                   ->fromUnicode(QString::fromLatin1(kHeader) + hall + QStringLiteral(",H.264,720P,900,\n"))
            << QByteArray("UTF-8") << QByteArray("Windows-1251") << QStringList{hall} << 900;

        QByteArray many = kHeader;
        QStringList manyNames;
        for (int i = 0; i < 5000; ++i) {
            const QByteArray name = "Scene " + QByteArray::number(i % 500);
            many += name + (i % 2 ? ",H.265,1080P," : ",H.264,720P,") + QByteArray::number(i + 1) + ",p.png\n";
            if (i < 500)
                manyNames.append(QString::fromLatin1(name));
        }
        QTest::newRow("thousands of rows") << many << QByteArray("UTF-8") << QByteArray() << manyNames << 1;
    }

    void goodFileReachesTheReaders()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, localeCodec);
        QFETCH(QByteArray, legacyCodec);
        QFETCH(QStringList, names);
        QFETCH(int, bitrate);
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(localeCodec));
        ModelDataDir data;
        QVERIFY(data.isValid());
        QTemporaryDir source;
        const QString csvPath = source.filePath(QStringLiteral("import.csv"));
        QVERIFY(writeFile(csvPath, csv));

        SceneImport import(cameraTables());
        import.setLegacyCodec(legacyCodec);
        QVERIFY(import.read(csvPath));
        QVERIFY(installInto(import, data));

        const QByteArray written = data.read(QStringLiteral("Scene.csv"));
        // One mark, then the header as it was.
        QVERIFY(written.startsWith(QByteArray(kBom) + kHeader));
        QVERIFY(!written.contains('\r'));
        QCOMPARE(written.count('\n'), import.rowCount() + 1);
        BitrateConfigData config;
        QStringList seen;
        QVERIFY(config.getScenceNames(seen));
        QCOMPARE(seen, names);
        QCOMPARE(config.getScenceBitrate(names.first(), QStringLiteral("H.264"), QStringLiteral("720P")), bitrate);
    }

    void pictures_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("sources"); // made beside the file, each holding its own path
        QTest::addColumn<bool>("sourcesInCurrentFolder");
        QTest::addColumn<qint64>("sourceSize");  // 0: as made
        QTest::addColumn<QStringList>("copied"); // from these sources, by file name
        QTest::addColumn<QStringList>("notCopied");

        const QStringList none;
        const QString a = QStringLiteral("a.png");
        const QString picsA = QStringLiteral("pics/a.png");
        QTest::newRow("relative") << QStringList{picsA} << QStringList{picsA} << false << qint64(0)
                                  << QStringList{picsA} << none;
        QTest::newRow("relative with backslash") << QStringList{QStringLiteral("pics\\a.png")} << QStringList{picsA}
                                                 << false << qint64(0) << QStringList{picsA} << none;
        // Only the file's own folder is looked in.
        QTest::newRow("relative to the current folder")
            << QStringList{picsA} << QStringList{picsA} << true << qint64(0) << none << QStringList{a};
        QTest::newRow("Windows path, by name") << QStringList{QStringLiteral("D:\\x\\a.png")} << QStringList{a} << false
                                               << qint64(0) << QStringList{a} << none;
        QTest::newRow("missing, listed once")
            << QStringList{QStringLiteral("gone.png"), QStringLiteral("D:\\gone.png"), a} << QStringList{a} << false
            << qint64(0) << QStringList{a} << QStringList{QStringLiteral("gone.png")};
        QTest::newRow("a folder") << QStringList{QStringLiteral("pics")} << QStringList{picsA} << false << qint64(0)
                                  << none << QStringList{QStringLiteral("pics")};
        QTest::newRow("a linked folder inside") << QStringList{QStringLiteral("linked/a.png")} << QStringList{picsA}
                                                << false << qint64(0) << QStringList{picsA} << none;
        QTest::newRow("over 32 MiB") << QStringList{a} << QStringList{a} << false << qint64(32 * 1024 * 1024 + 1)
                                     << none << QStringList{a};
    }

    void pictures()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, sources);
        QFETCH(bool, sourcesInCurrentFolder);
        QFETCH(qint64, sourceSize);
        QFETCH(QStringList, copied);
        QFETCH(QStringList, notCopied);
        ModelDataDir data;
        QVERIFY(data.isValid());
        // An older picture of the same name is replaced.
        QVERIFY(data.write(QStringLiteral("ScenePicture/a.png"), "older picture"));
        QTemporaryDir csvFolder;
        QTemporaryDir currentFolder;
        const QDir sourceRoot(sourcesInCurrentFolder ? currentFolder.path() : csvFolder.path());
        for (const QString &name : std::as_const(sources)) {
            QVERIFY(writeFile(sourceRoot.filePath(name), name.toUtf8()));
            QVERIFY(sourceSize == 0 || QFile::resize(sourceRoot.filePath(name), sourceSize));
        }
        QVERIFY(QFile::link(QStringLiteral("pics"), csvFolder.filePath(QStringLiteral("linked"))));
        QByteArray csv = kHeader;
        for (const QString &field : std::as_const(fields))
            csv += "Office,H.264,720P,1024," + field.toUtf8() + '\n';
        const QString csvPath = csvFolder.filePath(QStringLiteral("import.csv"));
        QVERIFY(writeFile(csvPath, csv));
        QMap<QString, QByteArray> expected = snapshot(data.path());
        for (const QString &name : std::as_const(copied))
            expected.insert(QStringLiteral("ScenePicture/") + QFileInfo(name).fileName(), name.toUtf8());

        SceneImport import(cameraTables());
        QVERIFY(import.read(csvPath));
        const QString oldCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(currentFolder.path()));
        const bool installed = installInto(import, data);
        QDir::setCurrent(oldCurrent);
        QVERIFY(installed);
        QCOMPARE(import.picturesNotCopied(), notCopied);
        QMap<QString, QByteArray> after = snapshot(data.path());
        QVERIFY(after.value(QStringLiteral("Scene.csv")) != expected.value(QStringLiteral("Scene.csv")));
        after.remove(QStringLiteral("Scene.csv"));
        expected.remove(QStringLiteral("Scene.csv"));
        QCOMPARE(after, expected);
    }

    void fullDiskChangesNothing()
    {
        ModelDataDir data;
        QVERIFY(data.isValid());
        QVERIFY(data.write(QStringLiteral("ScenePicture/a.png"), "older picture"));
        QTemporaryDir source;
        // The picture would fit under the limit; the new scene file would not.
        QVERIFY(writeFile(source.filePath(QStringLiteral("a.png")), "new"));
        const QString csvPath = source.filePath(QStringLiteral("import.csv"));
        QVERIFY(writeFile(csvPath, QByteArray(kHeader) + "Office,H.264,720P,1024,a.png\n"));
        const QMap<QString, QByteArray> before = snapshot(data.path());

        SceneImport import(cameraTables());
        QVERIFY(import.read(csvPath));
        QVERIFY(!underFileSizeLimit(16, [&] { return installInto(import, data); }));
        QCOMPARE(import.fault(), SceneImport::WriteFailed);
        QCOMPARE(snapshot(data.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestModelSceneImport)
#include "tst_model_sceneimport.moc"
