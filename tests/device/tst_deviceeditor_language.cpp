#include "tst_editor_fixture.h"

#include "device/DeviceEditor.h"
#include "model/ConfigureManager.h"
#include "model/LanaguageManager.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTest>

// Built once per language (EDITOR_LANGUAGE), since the language manager reads the
// setup once per process.
class TestDeviceEditorLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void smartCodecName();

private:
    static QStringList entries(const QComboBox *box);
};

QStringList TestDeviceEditorLanguage::entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

void TestDeviceEditorLanguage::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestDeviceEditorLanguage::smartCodecName()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    const QByteArray setup = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>\n    <Translator><Value>" +
                             QByteArray::number(EDITOR_LANGUAGE) + "</Value></Translator>\n</Setup>\n";
    QVERIFY(dir.write(QStringLiteral("Setup.xml"), setup));
    QVERIFY(apt::ConfigureManager::instance()->load(dir.filePath(QStringLiteral("Setup.xml"))));
    QCOMPARE(apt::LanaguageManager::instance()->language(), EDITOR_LANGUAGE);

    DeviceEditor editor;
    auto *encodings = editor.findChild<QComboBox *>(QStringLiteral("m_comboxEncodingType"));
    QVERIFY(encodings);
    // The data offers both names; each language shows exactly one of them.
    const QString smart = EDITOR_LANGUAGE == 0 ? QStringLiteral("H.264+") : QStringLiteral("Smart H.264");
    QStringList expected{QStringLiteral("H.264"), QStringLiteral("H.265"), smart};
    expected.sort();
    QCOMPARE(entries(encodings), expected);
    QCOMPARE(encodings->currentText(), QStringLiteral("H.264"));

    // The offered name looks up its own table: 1080P at NTSC 30 fps.
    encodings->setCurrentText(smart);
    auto *rate = editor.findChild<QLineEdit *>(QStringLiteral("m_lineEditScenceRecommandRate"));
    QCOMPARE(rate->text(), EDITOR_LANGUAGE == 0 ? QStringLiteral("2048") : QStringLiteral("2040"));
}

QTEST_MAIN(TestDeviceEditorLanguage)
#include "tst_deviceeditor_language.moc"
