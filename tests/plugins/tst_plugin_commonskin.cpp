// The CommonSkin plugin: found and loaded the way the program searches the skin
// folder, it must register every resource the program and its style sheets
// name, with images that load and have sharp high-density twins.
#include "host/ISkinPlugin.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPluginLoader>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

// Stand-ins carrying the class names the program's sheet selects on, so that
// its dynamic rules (a property selector, a renamed button) can be rendered.
namespace aptui {
class Switch : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString checked READ checked WRITE setChecked)

public:
    explicit Switch(QWidget *parent = nullptr) : QWidget(parent)
    {
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        on = new QPushButton(QStringLiteral("ON"), this);
        on->setObjectName(QStringLiteral("m_btnON"));
        off = new QPushButton(QStringLiteral("OFF"), this);
        off->setObjectName(QStringLiteral("m_btnOFF"));
        layout->addWidget(on);
        layout->addWidget(off);
    }
    QString checked() const { return m_checked; }
    void setChecked(const QString &value) { m_checked = value; }

    QPushButton *on = nullptr;
    QPushButton *off = nullptr;

private:
    QString m_checked = QStringLiteral("ON");
};

class WindowTitle : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};
} // namespace aptui

namespace {
const QString kToolkitSheets = QStringLiteral(":/Fenwasuite/Qss/Qss/FenwaGUIToolkit/");
const QString kProgramSheet = QStringLiteral(":/Fenwasuite/Qss/Qss/Vantor/Vantor.qss");
const QString kMacSheet = QStringLiteral("MacSpecial.qss");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The application style sheet exactly as the program assembles it.
QString programStyleSheet()
{
    QStringList names = QDir(kToolkitSheets).entryList(QDir::Files, QDir::NoSort);
    names.removeOne(kMacSheet);
    QString text;
    for (const QString &name : std::as_const(names))
        text += readText(kToolkitSheets + name) + QLatin1Char('\n');
    return text + readText(kProgramSheet);
}

QStringList registeredStyleSheets()
{
    QStringList sheets;
    QDirIterator it(QStringLiteral(":/Fenwasuite"), {QStringLiteral("*.qss")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        sheets << it.next();
    sheets.sort();
    return sheets;
}

QStringList referencedUrls(const QString &sheet)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*["']?([^"')]*?)["']?\s*\))"));
    QStringList urls;
    QRegularExpressionMatchIterator it = url.globalMatch(sheet);
    while (it.hasNext())
        urls << it.next().captured(1);
    urls.removeDuplicates();
    return urls;
}

QString hiDpiTwin(const QString &path)
{
    QString twin = path;
    return twin.insert(twin.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QStringList g_parseWarnings;

void collectParseWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("Could not parse")))
        g_parseWarnings << message;
}

QColor centreColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, 2);
}
} // namespace

class TestCommonSkinPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void identity();
    void namedResources_data();
    void namedResources();
    void toolkitSheetFolder();
    void styleSheetImages_data();
    void styleSheetImages();
    void styleSheetsParse_data();
    void styleSheetsParse();
    void switchFollowsCheckedProperty_data();
    void switchFollowsCheckedProperty();
    void renamedMaximiseButtonShowsRestoreGlyph();

private:
    QPluginLoader m_loader;
    ISkinPlugin *m_skin = nullptr;
};

void TestCommonSkinPlugin::initTestCase()
{
    QVERIFY2(!QFile::exists(kProgramSheet), "the resources must come from the plugin, not the test");

    // Search the skin folder as the program does: every file, by interface and skin name.
    const QDir skinDir(QStringLiteral(TAVO_SKIN_DIR));
    const QStringList files = skinDir.entryList(QDir::Files, QDir::NoSort);
    for (const QString &file : files) {
        m_loader.setFileName(QDir::cleanPath(skinDir.filePath(file)));
        auto *skin = qobject_cast<ISkinPlugin *>(m_loader.instance());
        if (skin && skin->skinNames().contains(QStringLiteral("CommonSkin"))) {
            m_skin = skin;
            break;
        }
    }
    QVERIFY2(m_skin, qPrintable(QStringLiteral("no CommonSkin plugin in ") + skinDir.path()));
}

void TestCommonSkinPlugin::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestCommonSkinPlugin::identity()
{
    QCOMPARE(m_loader.metaData().value(QStringLiteral("IID")).toString(), QStringLiteral("com.ISkinPlugin/1.1"));
    QCOMPARE(m_skin->skinNames(), QStringList{QStringLiteral("CommonSkin")});
    QVERIFY(!m_skin->skinDescription(QStringLiteral("CommonSkin")).isEmpty());
    QVERIFY(m_skin->skinDescription(QStringLiteral("commonskin")).isEmpty());
}

void TestCommonSkinPlugin::namedResources_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("image");

    QTest::newRow("program sheet") << kProgramSheet << false;
    QTest::newRow("mac sheet") << kToolkitSheets + kMacSheet << false;
    QTest::newRow("application icon") << QStringLiteral(":/aptui/complex/Images/System/Complex/calculate.png") << true;
    const QString tip = QStringLiteral(":/CommonSkin/KorvitTool/Images/KorvitTool/TipDialog/");
    QTest::newRow("alert ok") << tip + QStringLiteral("icon_alert_ok_large.png") << true;
    QTest::newRow("alert info") << tip + QStringLiteral("icon_alert_info_large.png") << true;
    QTest::newRow("alert error") << tip + QStringLiteral("icon_alert_error_large.png") << true;
    QTest::newRow("update warning") << QStringLiteral(":/BatchConfigFunc/Public/Image/Public/warn.png") << true;
    const QString state = QStringLiteral(":/CommonSkin/Vantor/Images/Vantor/DeviceInfo/");
    QTest::newRow("state ok") << state + QStringLiteral("icon_state_ok.png") << true;
    QTest::newRow("state error") << state + QStringLiteral("icon_state_error.png") << true;
}

void TestCommonSkinPlugin::namedResources()
{
    QFETCH(QString, path);
    QFETCH(bool, image);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    if (!image) {
        QVERIFY(!readText(path).trimmed().isEmpty());
        return;
    }
    const QImage normal(path);
    const QImage twin(hiDpiTwin(path));
    QVERIFY(!normal.isNull());
    QVERIFY2(!twin.isNull(), qPrintable(hiDpiTwin(path)));
    QCOMPARE(twin.size(), normal.size() * 2);
}

void TestCommonSkinPlugin::toolkitSheetFolder()
{
    const QStringList names = QDir(kToolkitSheets).entryList(QDir::Files, QDir::NoSort);
    QVERIFY(names.contains(kMacSheet));
    for (const QString &name : names)
        QVERIFY2(name.endsWith(QLatin1String(".qss")), qPrintable(name));

    // Each styled widget family of the toolkit is addressed without the excluded sheet.
    const QString sheet = programStyleSheet();
    const QStringList families = {QStringLiteral("FenwaGUIToolkit--CComboBox"),
                                  QStringLiteral("FenwaGUIToolkit--CLineEdit"),
                                  QStringLiteral("FenwaGUIToolkit--CPushButton"),
                                  QStringLiteral("FenwaGUIToolkit--CRadioButton"),
                                  QStringLiteral("FenwaGUIToolkit--CCheckBox"),
                                  QStringLiteral("FenwaGUIToolkit--CSlider"),
                                  QStringLiteral("FenwaGUIToolkit--CMenu"),
                                  QStringLiteral("QScrollBar"),
                                  QStringLiteral("QToolTip")};
    for (const QString &family : families)
        QVERIFY2(sheet.contains(family + QLatin1Char(' ')) || sheet.contains(family + QLatin1Char(':')),
                 qPrintable(family));
    QVERIFY2(!sheet.contains(QLatin1String("PingFang")), "the macOS sheet must stay out of the program's sheet");
}

void TestCommonSkinPlugin::styleSheetImages_data()
{
    QTest::addColumn<QString>("url");

    const QStringList sheets = registeredStyleSheets();
    int total = 0;
    for (const QString &sheet : sheets) {
        const QStringList urls = referencedUrls(readText(sheet));
        for (const QString &url : urls) {
            const QString row = QFileInfo(sheet).fileName() + QLatin1Char(' ') + url;
            QTest::newRow(qPrintable(row)) << url;
            ++total;
        }
    }
    // A sheet set that names no image at all means the sheets were not found.
    if (total < 20)
        QTest::newRow("too few image references") << QString();
}

void TestCommonSkinPlugin::styleSheetImages()
{
    QFETCH(QString, url);

    QVERIFY(!url.isEmpty());
    QVERIFY2(url.startsWith(QLatin1String(":/")), "skin images must be resources");
    QVERIFY2(QFile::exists(url), "missing resource");
    const QImage normal(url);
    const QImage twin(hiDpiTwin(url));
    QVERIFY(!normal.isNull());
    QVERIFY2(!twin.isNull(), "missing high-density twin");
    QCOMPARE(twin.size(), normal.size() * 2);
}

void TestCommonSkinPlugin::styleSheetsParse_data()
{
    QTest::addColumn<QString>("sheet");

    const QStringList sheets = registeredStyleSheets();
    QVERIFY(sheets.size() >= 3);
    for (const QString &path : sheets)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << readText(path);
    QTest::newRow("program sheet as installed") << programStyleSheet();
}

void TestCommonSkinPlugin::styleSheetsParse()
{
    QFETCH(QString, sheet);

    g_parseWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectParseWarnings);
    qApp->setStyleSheet(sheet);
    QWidget widget;
    QPushButton button(&widget);
    widget.ensurePolished();
    button.ensurePolished();
    qInstallMessageHandler(previous);
    QVERIFY2(g_parseWarnings.isEmpty(), qPrintable(g_parseWarnings.join(QLatin1Char('\n'))));
}

void TestCommonSkinPlugin::switchFollowsCheckedProperty_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("onFilled");

    QTest::newRow("ON fills the ON segment") << QStringLiteral("ON") << true;
    QTest::newRow("OFF fills the OFF segment") << QStringLiteral("OFF") << false;
}

void TestCommonSkinPlugin::switchFollowsCheckedProperty()
{
    QFETCH(QString, state);
    QFETCH(bool, onFilled);

    qApp->setStyleSheet(programStyleSheet());
    aptui::Switch sw;
    sw.resize(120, 24);
    sw.setChecked(state);
    for (QWidget *w : {static_cast<QWidget *>(&sw), static_cast<QWidget *>(sw.on), static_cast<QWidget *>(sw.off)}) {
        w->style()->unpolish(w);
        w->style()->polish(w);
    }
    const QColor accent(0x46, 0x7d, 0xd3);
    QCOMPARE(centreColour(sw.on) == accent, onFilled);
    QCOMPARE(centreColour(sw.off) == accent, !onFilled);
}

void TestCommonSkinPlugin::renamedMaximiseButtonShowsRestoreGlyph()
{
    qApp->setStyleSheet(programStyleSheet());
    aptui::WindowTitle title;
    auto *button = new QPushButton(&title);
    button->setFixedSize(24, 24);
    auto grabAs = [button](const char *name) {
        button->setObjectName(QLatin1String(name));
        button->style()->unpolish(button);
        button->style()->polish(button);
        return button->grab().toImage();
    };
    // A title-bar button of no known name has no glyph; both names must bring their own.
    const QImage bare = grabAs("m_btnUnnamed");
    const QImage maximise = grabAs("m_btnMaximize");
    const QImage restore = grabAs("m_btnResore");
    QVERIFY(maximise != bare);
    QVERIFY(restore != bare);
    QVERIFY(restore != maximise);
    QCOMPARE(grabAs("m_btnMaximize"), maximise);
}

QTEST_MAIN(TestCommonSkinPlugin)
#include "tst_plugin_commonskin.moc"
