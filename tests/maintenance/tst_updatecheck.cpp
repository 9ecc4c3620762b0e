// The update check as the main window runs it: the settings the tool reads and
// writes, and what the user sees for each answer of a loopback update server.
#include "aptui/CoverWidget.h"
#include "maintenance/UpgradeTool.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelDataDir.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"
#include "support/LoopbackHttpServer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QByteArray setupXml(int translator, int versionType)
{
    return QStringLiteral("<Setup><Translator><Value>%1</Value></Translator>"
                          "<VersionType><Value>%2</Value></VersionType></Setup>")
        .arg(translator)
        .arg(versionType)
        .toUtf8();
}

// An empty prompt leaves the element out.
QByteArray upgradeXml(const QString &en, const QString &zh, const QString &prompt)
{
    QString xml = QStringLiteral("<Upgrade><ServerAddressEn><Value>%1</Value></ServerAddressEn>"
                                 "<ServerAddressZh><Value>%2</Value></ServerAddressZh>")
                      .arg(en, zh);
    if (!prompt.isEmpty())
        xml += QStringLiteral("<Prompt><Value>%1</Value></Prompt>").arg(prompt);
    return (xml + QStringLiteral("</Upgrade>")).toUtf8();
}

QString promptInFile(const ModelDataDir &data)
{
    static const QRegularExpression prompt(QStringLiteral("<Prompt>\\s*<Value>([^<]*)</Value>"));
    return prompt.match(QString::fromUtf8(data.read(QStringLiteral("Upgrade.xml")))).captured(1);
}

const char kNewer[] = "{\"version\": \"4.1.0.2\", \"download\": \"https://example.org/tavo\"}";

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private:
    ModelDataDir *m_data = nullptr;
    LoopbackHttpServer *m_server = nullptr;

    // What the user saw after the check: the tool's dialog with its version,
    // a warning box with its text, or nothing.
    struct Seen
    {
        QString what;
        bool covered = false;
    };

    static QSharedPointer<DialogAnswerer> watch(Seen &seen, const QString &button, VantorMainPage &window)
    {
        return DialogAnswerer::answerNext([&seen, button, &window](QWidget *dialog) {
            seen.covered = window.isCovered();
            if (dialog->objectName() == QLatin1String("UpgradeToolClass"))
                seen.what = dialog->findChild<QLabel *>(QStringLiteral("versionLabel"))->text();
            else if (auto *text = dialog->findChild<QLabel *>(QStringLiteral("m_labelWarnText")))
                seen.what = text->text();
            if (!DialogAnswerer::clickButton(dialog, button))
                DialogAnswerer::close(dialog);
        });
    }

private slots:
    void init()
    {
        m_data = new ModelDataDir(QString());
        m_server = new LoopbackHttpServer;
        QVERIFY(m_server->start());
    }

    void cleanup()
    {
        delete m_server;
        m_server = nullptr;
        delete m_data;
        m_data = nullptr;
    }

    void settingsChooseServerAndPrompt_data()
    {
        QTest::addColumn<int>("translator");
        QTest::addColumn<QString>("chineseServer");
        QTest::addColumn<QString>("prompt"); // "-": no Upgrade.xml at all
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("promptOff");
        const QString zh = QStringLiteral("http://zh");
        QTest::newRow("English, prompt on") << 0 << zh << QStringLiteral("1") << QStringLiteral("http://en") << false;
        QTest::newRow("Chinese, prompt off") << 1 << zh << QStringLiteral("0") << zh << true;
        QTest::newRow("Chinese without a server of its own asks the English one")
            << 1 << QString() << QStringLiteral("1") << QStringLiteral("http://en") << false;
        QTest::newRow("Russian asks the English server")
            << 8 << zh << QStringLiteral("1") << QStringLiteral("http://en") << false;
        QTest::newRow("prompt absent") << 0 << zh << QString() << QStringLiteral("http://en") << true;
        QTest::newRow("prompt not a number") << 0 << zh << QStringLiteral("yes") << QStringLiteral("http://en") << true;
        QTest::newRow("no Upgrade.xml") << 0 << zh << QStringLiteral("-") << QString() << true;
    }

    void settingsChooseServerAndPrompt()
    {
        QFETCH(int, translator);
        QFETCH(QString, chineseServer);
        QFETCH(QString, prompt);
        QFETCH(QString, server);
        QFETCH(bool, promptOff);
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(translator, 0)));
        if (prompt != QLatin1String("-"))
            QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"),
                                  upgradeXml(QStringLiteral("http://en"), chineseServer, prompt)));
        UpgradeTool tool({});
        QCOMPARE(tool.serverAddress(), server);
        QCOMPARE(tool.isPromptOff(), promptOff);
    }

    // An address set up while the program runs is asked at the next check.
    void addressIsReadAtEachCheck()
    {
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, 0)));
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"), upgradeXml(QString(), QString(), QStringLiteral("1"))));
        UpgradeTool tool({});
        QVERIFY(tool.serverAddress().isEmpty());
        const QString address = m_server->url().toString();
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"), upgradeXml(address, QString(), QStringLiteral("1"))));
        m_server->setResponse(200, QByteArrayLiteral("application/json"), QByteArray(kNewer));
        QSignalSpy over(&tool, &UpgradeTool::signalUpdateCheckOver);
        tool.checkUpdate();
        QCOMPARE(tool.serverAddress(), address);
        QVERIFY(over.wait(10000));
        QCOMPARE(over.first().first().toBool(), true);
    }

    // "No Prompt" writes through at once, whatever the file held before.
    void noPromptIsWrittenThrough_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::newRow("prompt on") << QStringLiteral("1");
        QTest::newRow("prompt absent") << QString();
        QTest::newRow("no Upgrade.xml") << QStringLiteral("-");
    }

    void noPromptIsWrittenThrough()
    {
        QFETCH(QString, prompt);
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, 0)));
        if (prompt != QLatin1String("-"))
            QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"), upgradeXml(QStringLiteral("http://en"), {}, prompt)));
        UpgradeTool tool({});
        auto *box = tool.findChild<QCheckBox *>(QStringLiteral("checkBox"));
        box->setChecked(true);
        QCOMPARE(promptInFile(*m_data), QStringLiteral("0"));
        QVERIFY(tool.isPromptOff());
        box->setChecked(false);
        QCOMPARE(promptInFile(*m_data), QStringLiteral("1"));
        QVERIFY(!tool.isPromptOff());
        if (prompt != QLatin1String("-"))
            QVERIFY(m_data->read(QStringLiteral("Upgrade.xml")).contains("http://en"));
    }

    void versionFromAboutText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("version"); // empty: any plain dotted number
        QTest::newRow("as shipped") << QStringLiteral("v4.0.0.50build") << QStringLiteral("4.0.0.50");
        QTest::newRow("blanks and case") << QStringLiteral(" v 4.1.0.2 Build 2026") << QStringLiteral("4.1.0.2");
        QTest::newRow("name before it") << QStringLiteral("Mirelda v4.0.0.100build") << QStringLiteral("4.0.0.100");
        QTest::newRow("the about panel's wording") << QStringLiteral("Version 4.0") << QStringLiteral("4.0");
        QTest::newRow("Russian wording") << QStringLiteral("Версия 4.2.0.1") << QStringLiteral("4.2.0.1");
        QTest::newRow("no number") << QStringLiteral("Version") << QString();
    }

    void versionFromAboutText()
    {
        QFETCH(QString, text);
        QFETCH(QString, version);
        const QString found = UpgradeTool::versionFromAboutText(text);
        if (version.isEmpty())
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+(\\.\\d+)+$")).match(found).hasMatch(), qPrintable(found));
        else
            QCOMPARE(found, version);
    }

    // Only an https page with no user information before its host and of a
    // sane length is opened; the dialog names its site, or says why not.
    void downloadPageIsChecked_data()
    {
        using Fault = upgrade::Upgrade::PageFault;
        QTest::addColumn<QUrl>("page");
        QTest::addColumn<int>("fault");
        const QString start = QStringLiteral("https://example.org/");
        const QString longest = start + QString(upgrade::Upgrade::MaxPageLength - start.size(), QLatin1Char('a'));
        QTest::newRow("fine") << QUrl(QStringLiteral("https://update.example.com/tavo/4.1")) << int(Fault::None);
        QTest::newRow("user information")
            << QUrl(QStringLiteral("https://update.example@127.0.0.1/phish")) << int(Fault::UserInfo);
        QTest::newRow("http") << QUrl(QStringLiteral("http://update.example.com/tavo")) << int(Fault::NotHttps);
        QTest::newRow("longest") << QUrl(longest) << int(Fault::None);
        QTest::newRow("a character longer") << QUrl(longest + QLatin1Char('a')) << int(Fault::TooLong);
        QTest::newRow("none") << QUrl() << int(Fault::Missing);
    }

    void downloadPageIsChecked()
    {
        QFETCH(QUrl, page);
        QFETCH(int, fault);
        QCOMPARE(int(upgrade::Upgrade::checkPage(page)), fault);
        const QString said = UpgradeTool::pageText(page);
        QVERIFY(!said.isEmpty());
        QCOMPARE(!page.host().isEmpty() && said.contains(page.host()), fault == int(upgrade::Upgrade::PageFault::None));
    }

    void upgradeOpensOnlyACheckedPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("opens");
        QTest::newRow("fine") << QStringLiteral("https://example.org/tavo") << true;
        QTest::newRow("user information") << QStringLiteral("https://update.example@127.0.0.1/phish") << false;
    }

    void upgradeOpensOnlyACheckedPage()
    {
        QFETCH(QString, page);
        QFETCH(bool, opens);
        m_server->setResponse(200, "application/json",
                              QStringLiteral("{\"version\": \"4.1.0.2\", \"download\": \"%1\"}").arg(page).toUtf8());
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, 0)));
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"),
                              upgradeXml(m_server->url().toString(), {}, QStringLiteral("1"))));
        DesktopOpenRecorder desktop({QStringLiteral("http"), QStringLiteral("https")});
        UpgradeTool tool({});
        QSignalSpy over(&tool, &UpgradeTool::signalUpdateCheckOver);
        tool.checkUpdate();
        QVERIFY(over.wait(10000));
        QCOMPARE(over.first().first().toBool(), true);

        QCOMPARE(tool.findChild<QLabel *>(QStringLiteral("pageLabel"))->text().contains(QUrl(page).host()), opens);
        QCOMPARE(tool.findChild<QPushButton *>(QStringLiteral("btnConfirm"))->isEnabled(), opens);
        // Asked without the button, the tool still opens nothing and says why.
        auto hint = DialogAnswerer::answerNext(DialogAnswerer::closing());
        tool.onUpgrade();
        hint->stop();
        QCOMPARE(hint->answered(), !opens);
        QCOMPARE(desktop.urls(), opens ? QList<QUrl>{QUrl(page)} : QList<QUrl>());
    }

    void outcomeOfACheck_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("answer"); // "no server": no address configured
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("opened");
        const QString latest = QStringLiteral("Currently the latest version.");
        const QString failed = QStringLiteral("Could not check for updates");
        const QString page = QStringLiteral("https://example.org/tavo");
        QTest::newRow("auto, newer, accepted") << false << QStringLiteral("1") << 200 << QByteArray(kNewer)
                                               << QStringLiteral("btnConfirm") << QStringLiteral("V4.1.0.2") << page;
        QTest::newRow("auto, newer, cancelled")
            << false << QStringLiteral("1") << 200 << QByteArray(kNewer) << QStringLiteral("btnCancel")
            << QStringLiteral("V4.1.0.2") << QString();
        QTest::newRow("auto, newer, prompt off")
            << false << QStringLiteral("0") << 200 << QByteArray(kNewer) << QString() << QString() << QString();
        QTest::newRow("auto, same") << false << QStringLiteral("1") << 200
                                    << QByteArray("{\"version\": \"4.0.0.50\", \"download\": \"https://example.org\"}")
                                    << QString() << QString() << QString();
        QTest::newRow("auto, garbage") << false << QStringLiteral("1") << 200 << QByteArray("<html>oops</html>")
                                       << QString() << QString() << QString();
        QTest::newRow("manual turns prompting on")
            << true << QStringLiteral("0") << 200 << QByteArray(kNewer) << QStringLiteral("btnConfirm")
            << QStringLiteral("V4.1.0.2") << page;
        QTest::newRow("manual, numerically older")
            << true << QStringLiteral("1") << 200
            << QByteArray("{\"version\": \"4.0.0.9\", \"download\": \"https://example.org\"}")
            << QStringLiteral("m_btnClose") << latest << QString();
        QTest::newRow("manual, garbage") << true << QStringLiteral("1") << 200 << QByteArray("")
                                         << QStringLiteral("m_btnClose") << failed << QString();
        QTest::newRow("manual, server error") << true << QStringLiteral("1") << 500 << QByteArray(kNewer)
                                              << QStringLiteral("m_btnClose") << failed << QString();
        QTest::newRow("manual, no server") << true << QStringLiteral("1") << 200 << QByteArray("no server")
                                           << QStringLiteral("m_btnClose") << failed << QString();
    }

    void outcomeOfACheck()
    {
        QFETCH(bool, manual);
        QFETCH(QString, prompt);
        QFETCH(int, status);
        QFETCH(QByteArray, answer);
        QFETCH(QString, button);
        QFETCH(QString, seen);
        QFETCH(QString, opened);
        const bool noServer = answer == "no server";
        m_server->setResponse(status, "application/json", answer);
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, 0)));
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"),
                              upgradeXml(noServer ? QString() : m_server->url().toString(), {}, prompt)));
        DesktopOpenRecorder desktop({QStringLiteral("http"), QStringLiteral("https")});

        VantorMainPage window;
        window.connectSignals();
        QVERIFY(window.upgradeTool());
        QSignalSpy over(window.upgradeTool(), &UpgradeTool::signalUpdateCheckOver);
        Seen what;
        auto answerer = watch(what, button, window);
        if (manual) {
            window.checkUpdateAction()->trigger();
            QCOMPARE(promptInFile(*m_data), QStringLiteral("1"));
        } else {
            // The automatic check follows the first show.
            window.show();
        }
        QVERIFY(over.wait(8000));
        answerer->stop();

        QCOMPARE(what.what.left(seen.size()), seen);
        QCOMPARE(answerer->answered(), !seen.isEmpty());
        QCOMPARE(what.covered, !seen.isEmpty());
        QVERIFY(!window.isCovered());
        QCOMPARE(desktop.urls().value(0).toString(), opened);
        QCOMPARE(m_server->requestCount(), noServer ? 0 : 1);
    }

    void automaticCheckRunsOnceAfterTheFirstShow_data()
    {
        QTest::addColumn<int>("versionType");
        QTest::newRow("checks on") << 0;
        QTest::newRow("checks off") << 1;
    }

    void automaticCheckRunsOnceAfterTheFirstShow()
    {
        QFETCH(int, versionType);
        m_server->setResponse(200, "application/json", "{\"version\": \"4.0.0.50\", \"download\": \"https://e.org\"}");
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, versionType)));
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"), upgradeXml(m_server->url().toString(), {}, {})));
        VantorMainPage window;
        window.connectSignals();
        QCOMPARE(bool(window.upgradeTool()), versionType == 0);
        QCOMPARE(window.checkUpdateAction()->isVisible(), versionType == 0);
        QVERIFY(window.updateDataAction()->isVisible());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showMinimized();
        window.showNormal();
        QTest::qWait(1600);
        QTRY_COMPARE(m_server->requestCount(), versionType == 0 ? 1 : 0);
        window.hide();
        window.show();
        QTest::qWait(1300);
        QCOMPARE(m_server->requestCount(), versionType == 0 ? 1 : 0);
    }

    // A server that never answers keeps the check waiting, not the window; a
    // window closed meanwhile does not wait for the timeout.
    void windowStaysResponsiveWhileTheServerIsSilent()
    {
        m_server->setSilent(true);
        QVERIFY(m_data->write(QStringLiteral("Setup.xml"), setupXml(0, 0)));
        QVERIFY(m_data->write(QStringLiteral("Upgrade.xml"), upgradeXml(m_server->url().toString(), {}, {})));
        auto *window = new VantorMainPage;
        window->connectSignals();
        QSignalSpy over(window->upgradeTool(), &UpgradeTool::signalUpdateCheckOver);
        window->onCheckUpdate();
        QTRY_COMPARE(m_server->requestCount(), 1);

        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        QTRY_VERIFY(ticks >= 10);
        QVERIFY(window->upgradeTool()->isChecking());
        QCOMPARE(over.count(), 0);
        delete window;
    }

    void updateDataEntryOpensTheDialogOverTheDimmedWindow()
    {
        VantorMainPage window;
        window.connectSignals();
        bool covered = false;
        auto answerer = DialogAnswerer::answerNext([&covered, &window](QWidget *dialog) {
            covered = window.isCovered();
            DialogAnswerer::close(dialog);
        });
        window.updateDataAction()->trigger();
        QVERIFY(answerer->answered());
        QCOMPARE(answerer->dialogTitle(), QStringLiteral("Update Data"));
        QVERIFY(covered);
        QVERIFY(!window.isCovered());
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
