#include "PrivateSession.h"
#include "app/ToolsApplication.h"
#include "host/ISkinPlugin.h"
#include "host/TargetPath.h"
#include "support/DialogAnswerer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUuid>

#include <stdexcept>

using apt::ToolsApplication;

namespace {

// Counts the events it receives; throws on demand.
class EventCounter : public QWidget
{
public:
    int fontChanges = 0;
    bool throwOnUpdate = false;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationFontChange)
            ++fontChanges;
        if (throwOnUpdate && event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QWidget::event(event);
    }
};

QString skinPluginFileName()
{
    return QFileInfo(QStringLiteral(TAVO_SKIN_PLUGIN)).fileName();
}

void writeSetup(const QString &dir, const QString &skin)
{
    QFile file(QDir(dir).filePath(QStringLiteral("Setup.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?><Setup><Translator><Value>0</Value></Translator>");
    if (!skin.isNull())
        file.write((QStringLiteral("<Skin><Value>") + skin + QStringLiteral("</Value></Skin>")).toUtf8());
    file.write("</Setup>");
}

// A data directory whose skin folder holds the real skin next to the given extras.
void makeSkinFolder(const QString &dir, bool withSkin)
{
    const QString skins = QDir(dir).filePath(QStringLiteral("plugins/skins"));
    QVERIFY(QDir().mkpath(skins));
    QFile notes(skins + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a plugin");
    QFile junk(skins + QStringLiteral("/libBroken.so"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    QVERIFY(QFile::link(QStringLiteral(TAVO_OTHER_PLUGIN), skins + QStringLiteral("/libOther.so")));
    if (withSkin)
        QVERIFY(QFile::link(QStringLiteral(TAVO_SKIN_PLUGIN), skins + QLatin1Char('/') + skinPluginFileName()));
}

} // namespace

class TestToolsApplication : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FenwaGUIToolkit::SetTargetPath(QString()); }

    void screenCheck_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<bool>("passes");
        QTest::newRow("1024 x 768") << QList<QRect>{QRect(0, 0, 1024, 768)} << true;
        QTest::newRow("1023 x 768") << QList<QRect>{QRect(0, 0, 1023, 768)} << false;
        QTest::newRow("1024 x 767") << QList<QRect>{QRect(0, 0, 1024, 767)} << false;
        QTest::newRow("two 1280 x 720 side by side")
            << QList<QRect>{QRect(0, 0, 1280, 720), QRect(1280, 0, 1280, 720)} << false;
        QTest::newRow("1024 x 600 above 800 x 600")
            << QList<QRect>{QRect(0, 0, 1024, 600), QRect(0, 600, 800, 600)} << true;
        QTest::newRow("large screen left of the origin") << QList<QRect>{QRect(-1920, 0, 1920, 1080)} << false;
        QTest::newRow("no screen") << QList<QRect>() << false;
    }

    void screenCheck()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(bool, passes);
        QCOMPARE(ToolsApplication::checkScreen(screens), passes);
    }

    void windowSizeRule_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QPoint>("topLeft"); // in an area starting at (10, 20)
        QTest::newRow("1366 x 728") << QSize(1366, 728) << QSize(1366, 728) << true << QPoint(10, 20);
        QTest::newRow("1920 x 1040") << QSize(1920, 1040) << QSize(1417, 768) << false << QPoint(262, 156);
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(1024, 768) << false << QPoint(10, 20);
        QTest::newRow("3840 x 2110") << QSize(3840, 2110) << QSize(1397, 768) << false << QPoint(1232, 691);
    }

    void windowSizeRule()
    {
        QFETCH(QSize, available);
        QFETCH(QSize, size);
        QFETCH(bool, moved);
        QFETCH(QPoint, topLeft);
        const ToolsApplication::WindowPlacement placement = ToolsApplication::mainWindowPlacement(available);
        QCOMPARE(placement.size, size);
        QCOMPARE(placement.moveToOrigin, moved);
        QCOMPARE(ToolsApplication::mainWindowGeometry(QRect(QPoint(10, 20), available)), QRect(topLeft, size));
    }

    void skinSearchPassesForeignFiles()
    {
        QTemporaryDir dir;
        makeSkinFolder(dir.path(), true);
        const QString folder = dir.filePath(QStringLiteral("plugins/skins"));
        ISkinPlugin *skin = ToolsApplication::findSkinPlugin(QStringLiteral("CommonSkin"), folder);
        QVERIFY(skin);
        QVERIFY(skin->skinNames().contains(QStringLiteral("CommonSkin")));
        QVERIFY(!ToolsApplication::findSkinPlugin(QStringLiteral("commonskin"), folder));
        QVERIFY(!ToolsApplication::findSkinPlugin(QStringLiteral("NoSuchSkin"), folder));
        QVERIFY(!ToolsApplication::findSkinPlugin(QString(), folder));
        QVERIFY(!ToolsApplication::findSkinPlugin(QStringLiteral("CommonSkin"), dir.filePath(QStringLiteral("none"))));
    }

    void pluginOfAnotherInterfaceIsNotASkin()
    {
        // The other plugin claims the name through a look-alike interface.
        QTemporaryDir dir;
        makeSkinFolder(dir.path(), false);
        QVERIFY(!ToolsApplication::findSkinPlugin(QStringLiteral("CommonSkin"),
                                                  dir.filePath(QStringLiteral("plugins/skins"))));
    }

    void toolTipShowsTheWidgetsText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("shown");
        QTest::newRow("label with tool tip")
            << QStringLiteral("label") << QStringLiteral("tip") << QStringLiteral("Counts : 8");
        QTest::newRow("label without tool tip") << QStringLiteral("label") << QString() << QString();
        QTest::newRow("line edit keeps its tool tip")
            << QStringLiteral("lineedit") << QStringLiteral("tip") << QStringLiteral("tip");
        QTest::newRow("combo box shows its current text")
            << QStringLiteral("combo") << QStringLiteral("tip") << QStringLiteral("1080P");
        QTest::newRow("plain label with markup shows it as written")
            << QStringLiteral("plain label") << QStringLiteral("tip")
            << QStringLiteral("<p style='white-space:pre'>&lt;b&gt;Lobby&lt;/b&gt;(1)</p>");
    }

    void toolTipShowsTheWidgetsText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, toolTip);
        QFETCH(QString, shown);
        QWidget window;
        QWidget *widget = nullptr;
        if (kind == QLatin1String("label")) {
            widget = new QLabel(QStringLiteral("Counts : 8"), &window);
        } else if (kind == QLatin1String("plain label")) {
            auto *label = new QLabel(QStringLiteral("<b>Lobby</b>(1)"), &window);
            label->setTextFormat(Qt::PlainText);
            widget = label;
        } else if (kind == QLatin1String("lineedit")) {
            widget = new QLineEdit(QStringLiteral("typed"), &window);
        } else {
            auto *combo = new QComboBox(&window);
            combo->addItems({QStringLiteral("1080P"), QStringLiteral("720P")});
            widget = combo;
        }
        if (!toolTip.isNull())
            widget->setToolTip(toolTip);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QToolTip::hideText();
        QTest::qWait(50);
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &help);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), shown);
        QToolTip::hideText();
    }

    void applicationFontChangeIsSwallowed()
    {
        EventCounter widget;
        QEvent change(QEvent::ApplicationFontChange);
        QVERIFY(QApplication::sendEvent(&widget, &change));
        QCOMPARE(widget.fontChanges, 0);
    }

    void failingHandlerCountsAsUnhandled()
    {
        EventCounter widget;
        widget.throwOnUpdate = true;
        QEvent event(QEvent::User);
        QVERIFY(!QApplication::sendEvent(&widget, &event));
    }

    void unknownSkinStartsWithTheScreenQuestion_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("confirmed") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("cancelled") << QStringLiteral("btnCancel") << false;
        QTest::newRow("closed") << QStringLiteral("btnClose") << false;
    }

    void unknownSkinStartsWithTheScreenQuestion()
    {
        QFETCH(QString, button);
        QFETCH(bool, goesOn);
        // The offscreen screen is 800 x 600, so start-up asks about the small display.
        QVERIFY(!qobject_cast<ToolsApplication *>(qApp)->checkScreen());
        QTemporaryDir dir;
        writeSetup(dir.path(), QStringLiteral("NoSuchSkin"));
        FenwaGUIToolkit::SetTargetPath(dir.path());
        QString question;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                if (label->text().contains(QStringLiteral("1024*768")))
                    question = label->text();
            }
            QVERIFY(DialogAnswerer::clickButton(dialog, button));
        });
        QTest::ignoreMessage(QtWarningMsg, "[Tool]LoadSkin = NoSuchSkin failed");
        QCOMPARE(qobject_cast<ToolsApplication *>(qApp)->initApplication(), goesOn);
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogObjectName(), QStringLiteral("APP_WARNINGDLG"));
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Hint"));
        QCOMPARE(question, QStringLiteral("Display resolution less than 1024*768,are you sure to start the program?"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(QApplication::font().pointSize(), 9);
    }

    void skinFromTheSkinFolderStylesTheProgram()
    {
        QTemporaryDir dir;
        writeSetup(dir.path(), QString());
        makeSkinFolder(dir.path(), true);
        FenwaGUIToolkit::SetTargetPath(dir.path());
        qApp->setStyleSheet(QString());
        qApp->setWindowIcon(QIcon());
        DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
        QTest::ignoreMessage(QtWarningMsg, "[Tool]LoadSkin = CommonSkin Success");
        QVERIFY(qobject_cast<ToolsApplication *>(qApp)->initApplication());
        const QString sheet = qApp->styleSheet();
        QVERIFY(sheet.contains(QStringLiteral("VantorMainPage")));
        QVERIFY(sheet.contains(QStringLiteral("FenwaGUIToolkit--CComboBox")));
        // Every toolkit sheet but the excluded one.
        QFile mac(QStringLiteral(":/Fenwasuite/Qss/Qss/FenwaGUIToolkit/MacSpecial.qss"));
        QVERIFY(mac.open(QIODevice::ReadOnly));
        QVERIFY(!sheet.contains(QString::fromUtf8(mac.readAll()).trimmed()));
        QVERIFY(!QApplication::windowIcon().isNull());
    }
};

int main(int argc, char **argv)
{
    PrivateSession session;
    if (!session.isValid())
        return 3;
    ToolsApplication app(QStringLiteral("tavo-test-app-") + QUuid::createUuid().toString(QUuid::Id128), argc, argv);
    TestToolsApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolsapplication.moc"
