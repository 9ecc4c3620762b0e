#include "model/ConfigureManager.h"
#include "model/LanaguageManager.h"

#include <QTest>

// Runs in a process of its own: the language manager is the first singleton
// asked for, so its creation creates the setup store inside the same lock.
class TestSingletonOrder : public QObject
{
    Q_OBJECT

private slots:
    void languageManagerFirstCreatesTheSetupStoreToo()
    {
        apt::LanaguageManager *languages = apt::LanaguageManager::instance();
        QVERIFY(languages);
        QCOMPARE(languages->language(), 0);
        QVERIFY(apt::ConfigureManager::instance());
        QCOMPARE(apt::LanaguageManager::instance(), languages);
    }
};

QTEST_GUILESS_MAIN(TestSingletonOrder)
#include "tst_singletonorder.moc"
