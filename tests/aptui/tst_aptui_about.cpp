#include "aptui/AboutDialog.h"
#include "aptui/BaseDialog.h"
#include "aptui/Widget.h"
#include "model/ConfigureManager.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"
#include "support/ProgramLanguage.h"
#include "support/ScopedCurrentDirectory.h"
#include "support/SignalRecorder.h"
#include "support/TestUi.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

// Points the setup store at a Setup.xml of the given language.
bool useLanguage(const QTemporaryDir &dir, int language)
{
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup><Translator><Value>");
    file.write(QByteArray::number(language));
    file.write("</Value></Translator></Setup>\n");
    file.close();
    return apt::ConfigureManager::instance()->load(path) &&
           apt::ConfigureManager::instance()->translator() == unsigned(language);
}

// Watches the cover signals and the hint, and closes the hint.
struct HintWatch
{
    explicit HintWatch(AboutDialog &about)
    {
        recorder.watch(&about, &AboutDialog::signalCover, QStringLiteral("cover"));
        recorder.watch(&about, &AboutDialog::signalDiscover, QStringLiteral("discover"));
        answer = DialogAnswerer::answerNext([this](QWidget *dialog) {
            recorder.note(QStringLiteral("hint"));
            objectName = dialog->objectName();
            title = dialog->windowTitle();
            size = dialog->size();
            if (auto *label = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL")))
                text = label->text();
            bottomHidden = dialog->findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"))->isHidden();
            DialogAnswerer::clickButton(dialog, QStringLiteral("btnClose"));
        });
    }
    ~HintWatch() { answer->stop(); }

    SignalRecorder recorder;
    QSharedPointer<DialogAnswerer> answer;
    QString objectName;
    QString title;
    QString text;
    QSize size;
    bool bottomHidden = false;
};

} // namespace

class TestAptuiAbout : public QObject
{
    Q_OBJECT

private slots:
    void buildDateNumber_data();
    void buildDateNumber();
    void panelAndVersion();
    void versionInTheReadersLanguage_data();
    void versionInTheReadersLanguage();
    void lineVisibility_data();
    void lineVisibility();
    void aboutDialogContents();
    void licencesMissingShowsHint();
    void licencesOpenedFromButton();
    void userHelp_data();
    void userHelp();

private:
    QTemporaryDir m_setupDir;
};

void TestAptuiAbout::buildDateNumber_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("number");

    QTest::newRow("two-digit day") << QStringLiteral("Mar 29 2019") << 20190329;
    QTest::newRow("padded one-digit day") << QStringLiteral("Jan  5 2024") << 20240105;
    QTest::newRow("one-digit day") << QStringLiteral("Sep 9 2021") << 20210909;
    QTest::newRow("year end") << QStringLiteral("Dec 31 1999") << 19991231;
    QTest::newRow("october") << QStringLiteral("Oct 10 2030") << 20301010;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("unknown month") << QStringLiteral("Foo 12 2020") << 0;
    QTest::newRow("missing year") << QStringLiteral("Mar 29") << 0;
    QTest::newRow("day out of range") << QStringLiteral("Mar 32 2019") << 0;
    QTest::newRow("day not a number") << QStringLiteral("Mar xx 2019") << 0;
}

void TestAptuiAbout::buildDateNumber()
{
    QFETCH(QString, date);
    QFETCH(int, number);
    QCOMPARE(aptui::CDlgAbout::buildDateNumber(date), number);
}

void TestAptuiAbout::panelAndVersion()
{
    aptui::CDlgAbout about;
    auto *panel = qobject_cast<aptui::Widget *>(about.defaultWidget());
    QVERIFY(panel);
    QCOMPARE(panel->objectName(), QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
    QCOMPARE(panel->size(), QSize(288, 134));
    QCOMPARE(panel->minimumSize(), panel->maximumSize());

    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Version 2\\.0\\.0\\.3, build (\\d{8})$")).match(about.version());
    QVERIFY2(match.hasMatch(), qPrintable(about.version()));
    QVERIFY(match.captured(1).toInt() > 20000101);

    about.setName(QStringLiteral("Planner"));
    auto *name = panel->findChild<QLabel *>(QStringLiteral("m_labNameValue"));
    QCOMPARE(name->text(), QStringLiteral("Planner"));
    QCOMPARE(name->toolTip(), QStringLiteral("Planner"));
}

void TestAptuiAbout::versionInTheReadersLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("version");
    QTest::newRow("English") << 0 << QStringLiteral("Version 9.8.7");
    QTest::newRow("Chinese") << 1 << QStringLiteral("版本 9.8.7");
    QTest::newRow("Russian") << 8 << QStringLiteral("Версия 9.8.7");
}

// The program's version, with no word left hanging after it.
void TestAptuiAbout::versionInTheReadersLanguage()
{
    QFETCH(int, language);
    const ProgramLanguage inLanguage(language);
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    AboutDialog about;
    QCoreApplication::setApplicationVersion(QString());
    QTEST(about.version(), "version");
}

void TestAptuiAbout::lineVisibility_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("line1");
    QTest::addColumn<bool>("line2");
    QTest::addColumn<bool>("button1");
    QTest::addColumn<bool>("button2");

    QTest::newRow("hide button 1") << QStringList{QStringLiteral("1-")} << true << false << false << true;
    QTest::newRow("show hidden button 1 once")
        << QStringList{QStringLiteral("1-"), QStringLiteral("1+")} << true << false << true << true;
    QTest::newRow("show button 1 twice") << QStringList{QStringLiteral("1-"), QStringLiteral("1+"),
                                                        QStringLiteral("1+")}
                                         << true << true << true << true;
    QTest::newRow("hide button 2") << QStringList{QStringLiteral("2-")} << true << false << true << false;
    QTest::newRow("hide all") << QStringList{QStringLiteral("all-")} << false << false << false << false;
    QTest::newRow("hide all, show button 1")
        << QStringList{QStringLiteral("all-"), QStringLiteral("1+")} << true << false << true << false;
}

void TestAptuiAbout::lineVisibility()
{
    QFETCH(QStringList, calls);
    QFETCH(bool, line1);
    QFETCH(bool, line2);
    QFETCH(bool, button1);
    QFETCH(bool, button2);

    aptui::CDlgAbout about;
    // The rules look at what is on screen: the panel is shown, as in its menu.
    about.defaultWidget()->show();
    for (const QString &call : calls) {
        const bool show = call.endsWith(QLatin1Char('+'));
        if (call.startsWith(QLatin1String("all")))
            about.setButtonsVisible(show);
        else if (call.startsWith(QLatin1Char('1')))
            about.setButton1Visible(show);
        else
            about.setButton2Visible(show);
    }
    QWidget *panel = about.defaultWidget();
    QCOMPARE(!panel->findChild<QFrame *>(QStringLiteral("aboutLine1"))->isHidden(), line1);
    QCOMPARE(!panel->findChild<QFrame *>(QStringLiteral("aboutLine2"))->isHidden(), line2);
    QCOMPARE(!TestUi::findButton(panel, QStringLiteral("aboutbtn1"))->isHidden(), button1);
    QCOMPARE(!TestUi::findButton(panel, QStringLiteral("aboutbtn2"))->isHidden(), button2);
}

void TestAptuiAbout::aboutDialogContents()
{
    AboutDialog about;
    QWidget *panel = about.defaultWidget();
    // Set up before it is shown: one button and its one separator, no trailing line.
    QVERIFY(!panel->findChild<QFrame *>(QStringLiteral("aboutLine1"))->isHidden());
    QVERIFY(panel->findChild<QFrame *>(QStringLiteral("aboutLine2"))->isHidden());
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("m_labNameValue"))->text(),
             QStringLiteral("TAVO storage calculator"));
    // The version the program was built as.
    QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+(\\.\\d+)+$")).match(about.version()).hasMatch(),
             qPrintable(about.version()));
    QAbstractButton *licences = TestUi::findButton(panel, QStringLiteral("aboutbtn1"));
    QCOMPARE(licences->text(), QStringLiteral("Open Source Software Licenses"));
    QVERIFY(!licences->isHidden());
    QVERIFY(TestUi::findButton(panel, QStringLiteral("aboutbtn2"))->isHidden());
    QAbstractButton *corner = TestUi::findButton(panel, QStringLiteral("m_conerBtn"));
    QCOMPARE(corner->text(), QStringLiteral("User Help"));
    QVERIFY(corner->isHidden());
}

void TestAptuiAbout::licencesMissingShowsHint()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ScopedCurrentDirectory current(dir.path());
    QVERIFY(current.isValid());
    DesktopOpenRecorder desktop;

    AboutDialog about;
    HintWatch watch(about);
    about.onShowLicenses();

    QVERIFY(watch.answer->answered());
    QCOMPARE(watch.recorder.events(),
             (QStringList{QStringLiteral("cover"), QStringLiteral("hint"), QStringLiteral("discover")}));
    QCOMPARE(watch.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(watch.title, QStringLiteral("Hint"));
    QCOMPARE(watch.text, QStringLiteral("Open Open Source Software Licenses file failed."));
    QCOMPARE(watch.size, QSize(350, 220));
    QVERIFY(watch.bottomHidden);
    QVERIFY(desktop.urls().isEmpty());
}

void TestAptuiAbout::licencesOpenedFromButton()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ScopedCurrentDirectory current(dir.path());
    const QString licences = QDir::current().filePath(QStringLiteral("Open Source Software Licenses"));
    QVERIFY(touch(licences));
    DesktopOpenRecorder desktop;

    AboutDialog about;
    HintWatch watch(about);
    TestUi::findButton(about.defaultWidget(), QStringLiteral("aboutbtn1"))->click();

    QCOMPARE(desktop.urls(), QList<QUrl>{QUrl::fromLocalFile(licences)});
    QVERIFY(watch.recorder.events().isEmpty());
    QVERIFY(!watch.answer->answered());
}

void TestAptuiAbout::userHelp_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("opened");

    const QString english = QStringLiteral("Mirelda User Manual.pdf");
    const QString chinese = QStringLiteral("Mirelda 用户手册.pdf");
    QTest::newRow("english manual") << 0 << english << english;
    QTest::newRow("chinese manual") << 1 << chinese << chinese;
    QTest::newRow("english manual missing") << 0 << QString() << QString();
    QTest::newRow("english asked, only chinese there") << 0 << chinese << QString();
    QTest::newRow("chinese asked, only english there") << 1 << english << QString();
    QTest::newRow("other language opens the folder") << 8 << QString() << QStringLiteral(".");
}

void TestAptuiAbout::userHelp()
{
    QFETCH(int, language);
    QFETCH(QString, present);
    QFETCH(QString, opened);

    QVERIFY(m_setupDir.isValid());
    QVERIFY(useLanguage(m_setupDir, language));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ScopedCurrentDirectory current(dir.path());
    if (!present.isEmpty())
        QVERIFY(touch(QDir::current().filePath(present)));
    DesktopOpenRecorder desktop;

    AboutDialog about;
    HintWatch watch(about);
    bool answer = false;
    QVERIFY(QMetaObject::invokeMethod(&about, "onGetHelp", Q_RETURN_ARG(bool, answer)));

    if (opened.isEmpty()) {
        QVERIFY(!answer);
        QVERIFY(desktop.urls().isEmpty());
        QCOMPARE(watch.recorder.events(),
                 (QStringList{QStringLiteral("cover"), QStringLiteral("hint"), QStringLiteral("discover")}));
        QCOMPARE(watch.text, QStringLiteral("No user manual found."));
        QCOMPARE(watch.objectName, QStringLiteral("APP_WARNINGDLG"));
        return;
    }
    QVERIFY(answer);
    QVERIFY(watch.recorder.events().isEmpty());
    const QString expected = opened == QLatin1String(".") ? QDir::currentPath() : QDir::current().filePath(opened);
    QCOMPARE(desktop.urls(), QList<QUrl>{QUrl::fromLocalFile(expected)});
}

QTEST_MAIN(TestAptuiAbout)
#include "tst_aptui_about.moc"
