#include "host/Upgrade.h"
#include "support/DesktopOpenRecorder.h"
#include "support/LoopbackHttpServer.h"

#include <QTest>
#include <QThread>

using upgrade::Upgrade;

Q_DECLARE_METATYPE(Upgrade::Status)

class TestUpgrade : public QObject
{
    Q_OBJECT

private:
    static upgrade::tagAppProperty running()
    {
        upgrade::tagAppProperty app;
        app.strProductName = "Mirelda";
        app.strVersion = "4.0.0.50";
        return app;
    }

    static QByteArray answer(const QByteArray &version, const QByteArray &page = "https://example.org/download")
    {
        return "{\"version\": \"" + version + "\", \"download\": \"" + page + "\"}";
    }

    LoopbackHttpServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }

    void init()
    {
        m_server.setRedirectLoop(false);
        m_server.setSilent(false);
        m_server.setResponse(200, "application/json", answer("4.1.0.2"));
    }

    void checkUpdate_data()
    {
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("newVersion");
        QTest::addColumn<Upgrade::Status>("status");

        const QByteArray json = "application/json";
        const QString none;
        QTest::newRow("newer") << 200 << json << answer("4.1.0.2") << none << QStringLiteral("4.1.0.2")
                               << Upgrade::Status::NewerVersion;
        QTest::newRow("numerically newer") << 200 << json << answer("4.0.0.100") << none << QStringLiteral("4.0.0.100")
                                           << Upgrade::Status::NewerVersion;
        QTest::newRow("leading V") << 200 << json << answer("V4.2") << none << QStringLiteral("4.2")
                                   << Upgrade::Status::NewerVersion;
        QTest::newRow("same") << 200 << json << answer("4.0.0.50") << none << none << Upgrade::Status::UpToDate;
        QTest::newRow("same, trailing zero")
            << 200 << json << answer("v4.0.0.50.0") << none << none << Upgrade::Status::UpToDate;
        QTest::newRow("older") << 200 << json << answer("4.0.0.9") << none << none << Upgrade::Status::UpToDate;
        QTest::newRow("garbage") << 200 << json << QByteArray("\x01\xff{garbage") << none << none
                                 << Upgrade::Status::BadAnswer;
        QTest::newRow("html page") << 200 << QByteArray("text/html")
                                   << QByteArray("<html><body>{\"version\": \"9\"}</body></html>") << none << none
                                   << Upgrade::Status::BadAnswer;
        QTest::newRow("empty body") << 200 << json << QByteArray() << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("json array") << 200 << json << "[" + answer("9.0") + "]" << none << none
                                    << Upgrade::Status::BadAnswer;
        QTest::newRow("no version") << 200 << json << QByteArray("{\"download\": \"https://example.org/\"}") << none
                                    << none << Upgrade::Status::BadAnswer;
        QTest::newRow("blank version") << 200 << json << answer(" ") << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("version with text")
            << 200 << json << answer("9.0-beta") << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("numeric version") << 200 << json << QByteArray("{\"version\": 9, \"download\": \"https://a/\"}")
                                         << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("file download") << 200 << json << answer("9.0", "file:///etc/passwd") << none << none
                                       << Upgrade::Status::BadAnswer;
        QTest::newRow("javascript download")
            << 200 << json << answer("9.0", "javascript:alert(1)") << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("relative download")
            << 200 << json << answer("9.0", "/download") << none << none << Upgrade::Status::BadAnswer;
        QTest::newRow("202") << 202 << json << answer("9.0") << none << none << Upgrade::Status::NotReachable;
        QTest::newRow("404") << 404 << json << answer("9.0") << none << none << Upgrade::Status::NotReachable;
        QTest::newRow("500") << 500 << json << answer("9.0") << none << none << Upgrade::Status::NotReachable;
        QTest::newRow("redirect loop") << 200 << json << answer("9.0") << QStringLiteral("loop") << none
                                       << Upgrade::Status::NotReachable;
        QTest::newRow("never answers") << 200 << json << answer("9.0") << QStringLiteral("silent") << none
                                       << Upgrade::Status::NotReachable;
        QTest::newRow("over 64 KiB") << 200 << json << answer("9.0") + QByteArray(70 * 1024, ' ') << none << none
                                     << Upgrade::Status::BadAnswer;
    }

    void checkUpdate()
    {
        QFETCH(int, httpStatus);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, mode);
        QFETCH(QString, newVersion);
        QFETCH(Upgrade::Status, status);

        m_server.setResponse(httpStatus, contentType, body);
        m_server.setRedirectLoop(mode == QLatin1String("loop"));
        m_server.setSilent(mode == QLatin1String("silent"));

        Upgrade upgrade;
        upgrade.setServerAddr(m_server.url(QStringLiteral("/update")).toString().toStdString());
        if (mode == QLatin1String("silent"))
            upgrade.setTimeout(700);
        // A cancel from before the check must not end it.
        upgrade.cancel();
        std::string version = "stale";
        QCOMPARE(upgrade.checkUpdate(version, running()), !newVersion.isEmpty());
        QCOMPARE(QString::fromStdString(version), newVersion);
        QCOMPARE(upgrade.lastStatus(), status);
        QCOMPARE(upgrade.downloadPage(),
                 newVersion.isEmpty() ? QUrl() : QUrl(QStringLiteral("https://example.org/download")));
    }

    void addressWithoutNetwork_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Upgrade::Status>("status");
        QTest::newRow("empty") << QString() << Upgrade::Status::NoServer;
        QTest::newRow("not a url") << QStringLiteral("not a url") << Upgrade::Status::BadAddress;
        QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1:%1/") << Upgrade::Status::BadAddress;
        QTest::newRow("no scheme") << QStringLiteral("127.0.0.1:%1/") << Upgrade::Status::BadAddress;
        QTest::newRow("no host") << QStringLiteral("http:///update") << Upgrade::Status::BadAddress;
    }

    void addressWithoutNetwork()
    {
        QFETCH(QString, address);
        QFETCH(Upgrade::Status, status);
        if (address.contains(QLatin1String("%1")))
            address = address.arg(m_server.port());

        Upgrade upgrade;
        // The row's address replaces a working one.
        upgrade.setServerAddr(m_server.url().toString().toStdString());
        upgrade.setServerAddr(address.toStdString());
        const int before = m_server.requestCount();
        std::string version;
        QVERIFY(!upgrade.checkUpdate(version, running()));
        QVERIFY(version.empty());
        QCOMPARE(upgrade.lastStatus(), status);
        QCOMPARE(m_server.requestCount(), before);
    }

    void cancelFromAnotherThread()
    {
        m_server.setSilent(true);
        Upgrade upgrade;
        upgrade.setServerAddr(m_server.url().toString().toStdString());
        upgrade.setTimeout(10 * 60 * 1000); // only cancel() can end this check
        const int before = m_server.requestCount();
        bool found = true;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            std::string version;
            found = upgrade.checkUpdate(version, running());
        }));
        worker->start();
        QTRY_VERIFY(m_server.requestCount() > before);
        upgrade.cancel();
        worker->wait();
        QVERIFY(!found);
        QCOMPARE(upgrade.lastStatus(), Upgrade::Status::Cancelled);
    }

    void requestNamesTheProgram()
    {
        Upgrade upgrade;
        upgrade.setServerAddr(m_server.url(QStringLiteral("/check")).toString().toStdString());
        std::string version;
        QVERIFY(upgrade.checkUpdate(version, running()));
        const QByteArray request = m_server.lastRequest();
        QVERIFY(request.startsWith("GET /check "));
        QVERIFY(request.contains("\r\nUser-Agent: Mirelda/4.0.0.50\r\n"));
        QVERIFY(request.contains("\r\nAccept: application/json\r\n"));
    }

    void downloadPageOpensInBrowser()
    {
        DesktopOpenRecorder recorder({QStringLiteral("http"), QStringLiteral("https")});
        Upgrade upgrade;
        QVERIFY(!upgrade.dowmloadPackage());
        QVERIFY(recorder.urls().isEmpty());

        m_server.setResponse(200, "application/json", answer("4.1", "https://example.org/get?v=4.1"));
        upgrade.setServerAddr(m_server.url().toString().toStdString());
        std::string version;
        QVERIFY(upgrade.checkUpdate(version, running()));
        QVERIFY(upgrade.dowmloadPackage());
        QCOMPARE(recorder.urls(), QList<QUrl>{QUrl(QStringLiteral("https://example.org/get?v=4.1"))});

        // A later check without a newer version leaves nothing to open.
        m_server.setResponse(200, "application/json", answer("4.0"));
        QVERIFY(!upgrade.checkUpdate(version, running()));
        recorder.clear();
        QVERIFY(!upgrade.dowmloadPackage());
        QVERIFY(recorder.urls().isEmpty());

        // A page that fails its check is not opened, whoever asks.
        m_server.setResponse(200, "application/json", answer("4.1", "https://example.org@127.0.0.1/get"));
        QVERIFY(upgrade.checkUpdate(version, running()));
        QVERIFY(!upgrade.dowmloadPackage());
        QVERIFY(recorder.urls().isEmpty());
    }
};

QTEST_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
