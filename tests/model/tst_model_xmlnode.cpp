#include "model/XmlNode.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

class TestModelXmlNode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadFailures();
    void unparsableFileCountsAsLoaded();
    void childAccess();
    void textAndAttributes();
    void removeChildAtCountsEveryNode();
    void saveWritesGb2312();
    void savedFileReadsBackWhateverItDeclared_data();
    void savedFileReadsBackWhateverItDeclared();
    void createRootReplacesLoadedContent();
    void copiesShareTheDocument();
    void saveFailureLeavesTargetAlone_data();
    void saveFailureLeavesTargetAlone();

private:
    QString writeFile(const QString &name, const QByteArray &content);
    static QByteArray readFile(const QString &path);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestModelXmlNode::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

QString TestModelXmlNode::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

QByteArray TestModelXmlNode::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestModelXmlNode::loadFailures()
{
    XmlNode node;
    QVERIFY(!node.load(QString()));
    QVERIFY(!node.load(m_dir->filePath(QStringLiteral("absent.xml"))));
    QVERIFY(!node.load(m_dir->path())); // a folder is no file
    QVERIFY(node.isNull());
}

void TestModelXmlNode::unparsableFileCountsAsLoaded()
{
    const QString path = writeFile(QStringLiteral("broken.xml"), "<root><open></root>");
    XmlNode node;
    QVERIFY(node.load(path));
    QVERIFY(node.isNull());
    QCOMPARE(node.childCount(), 0);
    QVERIFY(node.child(QStringLiteral("open")).isNull());
    QVERIFY(node.text().isEmpty());
}

void TestModelXmlNode::childAccess()
{
    const QString path =
        writeFile(QStringLiteral("tree.xml"), "<root><a>1</a><!-- note --><b><c>deep</c></b>loose<a>2</a></root>");
    XmlNode root;
    QVERIFY(root.load(path));
    QVERIFY(root.tagNameIs(QStringLiteral("root")));
    QCOMPARE(root.childCount(), 3); // elements only
    QVERIFY(root.childAt(1).tagNameIs(QStringLiteral("b")));
    QCOMPARE(root.childAt(2).text(), QStringLiteral("2"));
    QVERIFY(root.childAt(3).isNull());
    QVERIFY(root.childAt(-1).isNull());
    // child() looks at any depth, in document order, and only below the node.
    QCOMPARE(root.child(QStringLiteral("c")).text(), QStringLiteral("deep"));
    QCOMPARE(root.child(QStringLiteral("a")).text(), QStringLiteral("1"));
    QVERIFY(root.child(QStringLiteral("root")).isNull());
    QVERIFY(root.childAt(1).child(QStringLiteral("a")).isNull());
    // A null node answers emptily instead of failing.
    XmlNode none = root.child(QStringLiteral("missing"));
    QCOMPARE(none.childCount(), 0);
    QVERIFY(none.childAt(0).isNull());
    QVERIFY(none.appendChild(QStringLiteral("x")).isNull());
}

void TestModelXmlNode::textAndAttributes()
{
    const QString path = writeFile(QStringLiteral("text.xml"), "<root><v>old<i/>tail</v><e/></root>");
    XmlNode root;
    QVERIFY(root.load(path));

    XmlNode value = root.child(QStringLiteral("v"));
    QVERIFY(value.setText(QStringLiteral("new")));
    QCOMPARE(value.text(), QStringLiteral("new"));
    QCOMPARE(value.element().childNodes().count(), 3); // replaced, not appended

    XmlNode empty = root.child(QStringLiteral("e"));
    QVERIFY(empty.text().isEmpty());
    QVERIFY(empty.setText(42));
    QCOMPARE(empty.text(), QStringLiteral("42"));

    QCOMPARE(empty.attribute(QStringLiteral("k"), QStringLiteral("fallback")), QStringLiteral("fallback"));
    QVERIFY(empty.setAttribute(QStringLiteral("k"), QStringLiteral("a&b")));
    QCOMPARE(empty.attribute(QStringLiteral("k")), QStringLiteral("a&b"));

    XmlNode none = root.child(QStringLiteral("missing"));
    QVERIFY(!none.setText(QStringLiteral("x")));
    QVERIFY(!none.setText(1));
    QVERIFY(!none.setAttribute(QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!none.tagNameIs(QString()));
}

void TestModelXmlNode::removeChildAtCountsEveryNode()
{
    const QString path = writeFile(QStringLiteral("remove.xml"), "<root><a/><!-- note -->text<b/></root>");
    XmlNode root;
    QVERIFY(root.load(path));
    QVERIFY(root.removeChildAt(1)); // the comment
    QCOMPARE(root.childCount(), 2);
    QVERIFY(root.removeChildAt(1)); // the text
    QVERIFY(root.text().isEmpty());
    QVERIFY(!root.removeChildAt(2));
    QVERIFY(!root.removeChildAt(-1));
    QVERIFY(root.removeChildAt(0));
    QVERIFY(root.childAt(0).tagNameIs(QStringLiteral("b")));
}

void TestModelXmlNode::saveWritesGb2312()
{
    const QString chinese = QStringLiteral("\u4e2d\u6587\u6d4b\u8bd5"); // four CJK characters
    XmlNode doc;
    QVERIFY(doc.createRoot(QStringLiteral("ConfigList")));
    XmlNode item = doc.appendChild(QStringLiteral("ConfigItem"));
    item.appendChild(QStringLiteral("Resolution")).setText(chinese);
    item.appendChild(QStringLiteral("Bitrate")).setText(2048);
    const QString path = m_dir->filePath(QStringLiteral("out.xml"));
    QVERIFY(doc.save(path));

    const QByteArray bytes = readFile(path);
    QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"), bytes.constData());
    QVERIFY(bytes.contains(QTextCodec::codecForName("GB2312")->fromUnicode(chinese)));
    QVERIFY(!bytes.contains(chinese.toUtf8()));
    QVERIFY(!bytes.contains("  <")); // no indentation

    XmlNode back;
    QVERIFY(back.load(path));
    QVERIFY(back.tagNameIs(QStringLiteral("ConfigList")));
    QCOMPARE(back.child(QStringLiteral("Resolution")).text(), chinese);
    QCOMPARE(back.child(QStringLiteral("Bitrate")).text(), QStringLiteral("2048"));
}

void TestModelXmlNode::savedFileReadsBackWhateverItDeclared_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("declared UTF-8") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QTest::newRow("single quotes, standalone") << QByteArray("<?xml version='1.0' encoding='utf-8' standalone='yes'?>");
    QTest::newRow("no encoding named") << QByteArray("<?xml version=\"1.0\"?>");
    QTest::newRow("no declaration") << QByteArray();
}

// The file is written in GB2312, so it must say so whatever the loaded one said.
void TestModelXmlNode::savedFileReadsBackWhateverItDeclared()
{
    QFETCH(QByteArray, head);
    const QString chinese = QStringLiteral("\u4e2d\u6587");
    const QString path =
        writeFile(QStringLiteral("declared.xml"), head + "\n<Upgrade><Prompt><Value>1</Value></Prompt></Upgrade>");
    XmlNode doc;
    QVERIFY(doc.load(path));
    QVERIFY(doc.child(QStringLiteral("Value")).setText(chinese));
    QVERIFY(doc.save(path));

    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.count("<?xml"), 1);
    QVERIFY2(bytes.startsWith("<?xml version="), bytes.constData());
    QVERIFY2(bytes.left(bytes.indexOf("?>")).contains("encoding=\"GB2312\""), bytes.constData());
    XmlNode back;
    QVERIFY(back.load(path));
    QCOMPARE(back.child(QStringLiteral("Value")).text(), chinese);
    QDomDocument check;
    QVERIFY2(bool(check.setContent(QTextCodec::codecForName("GB2312")->toUnicode(bytes))), bytes.constData());
}

void TestModelXmlNode::createRootReplacesLoadedContent()
{
    const QString path = writeFile(QStringLiteral("old.xml"), "<?xml version=\"1.0\"?>\n<Old><Item>1</Item></Old>\n");
    XmlNode doc;
    QVERIFY(doc.load(path));
    QVERIFY(doc.createRoot(QStringLiteral("New")));
    doc.appendChild(QStringLiteral("Item")).setText(QStringLiteral("2"));
    QVERIFY(doc.save(path));

    // One declaration and one root, so the file still parses.
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.count("<?xml"), 1);
    QDomDocument check;
    QVERIFY(bool(check.setContent(bytes)));
    QCOMPARE(check.documentElement().tagName(), QStringLiteral("New"));
    QCOMPARE(check.documentElement().text(), QStringLiteral("2"));
}

void TestModelXmlNode::copiesShareTheDocument()
{
    XmlNode original;
    const XmlNode copy = original; // taken before anything exists
    QVERIFY(original.createRoot(QStringLiteral("Root")));
    QCOMPARE(copy.document().documentElement().tagName(), QStringLiteral("Root"));

    XmlNode child = original.appendChild(QStringLiteral("Prompt"));
    XmlNode alias = child;
    alias.setText(QStringLiteral("1"));
    QCOMPARE(original.child(QStringLiteral("Prompt")).text(), QStringLiteral("1"));
}

void TestModelXmlNode::saveFailureLeavesTargetAlone_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("sizeLimit"); // 0: none
    QTest::newRow("no path") << QString() << 0;
    QTest::newRow("missing folder") << QStringLiteral("no/such/folder/out.xml") << 0;
    QTest::newRow("folder in the way") << QStringLiteral("taken.xml") << 0;
    QTest::newRow("disk full") << QStringLiteral("old.xml") << 16;
}

void TestModelXmlNode::saveFailureLeavesTargetAlone()
{
    QFETCH(QString, target);
    QFETCH(int, sizeLimit);
    const QByteArray old("<?xml version=\"1.0\"?>\n<Old/>\n");
    QVERIFY(!writeFile(QStringLiteral("old.xml"), old).isEmpty());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("taken.xml")));
    XmlNode doc;
    doc.createRoot(QStringLiteral("Root"));
    doc.appendChild(QStringLiteral("Item")).setText(QStringLiteral("longer than the limit"));
    const QString path = target.isEmpty() ? QString() : m_dir->filePath(target);

    const auto save = [&] { return doc.save(path); };
    QVERIFY(!(sizeLimit > 0 ? underFileSizeLimit(rlim_t(sizeLimit), save) : save()));
    QCOMPARE(readFile(m_dir->filePath(QStringLiteral("old.xml"))), old);
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("taken.xml"))).isDir());
    // Nothing else is left behind: no temporary file, no folder.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{QStringLiteral("old.xml"), QStringLiteral("taken.xml")}));
}

QTEST_GUILESS_MAIN(TestModelXmlNode)
#include "tst_model_xmlnode.moc"
