#include "device/ScenceSelector.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestScenceSelector : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void threeScenes();
    void addingAndReplacing();
    void clicks();
    void picture_data();
    void picture();
    void pictureFollowsResize();

private:
    static QVector<SCENCE_ITEM> scences(const QStringList &names);
    static QStringList checkedStates(const ScenceSelector &selector);
    static QLabel *imageLabel(const ScenceSelector &selector);
};

QVector<SCENCE_ITEM> TestScenceSelector::scences(const QStringList &names)
{
    QVector<SCENCE_ITEM> items;
    for (int i = 0; i < names.size(); ++i)
        items.append(SCENCE_ITEM{i, names.at(i)});
    return items;
}

// One "checkable/checked" pair per button, e.g. "10" for checkable and unchecked.
QStringList TestScenceSelector::checkedStates(const ScenceSelector &selector)
{
    QStringList states;
    for (int i = 0; i < selector.scenceCount(); ++i) {
        const ScenceSelector::ScenceQRaidoButton *button = selector.scenceButton(i);
        states.append(QString::number(int(button->isCheckable())) + QString::number(int(button->isChecked())));
    }
    return states;
}

QLabel *TestScenceSelector::imageLabel(const ScenceSelector &selector)
{
    return selector.findChild<QLabel *>(QStringLiteral("m_labelScenceImage"));
}

void TestScenceSelector::form()
{
    ScenceSelector selector;
    QCOMPARE(selector.size(), QSize(636, 567));
    QCOMPARE(selector.windowTitle(), QStringLiteral("ScenceSelector"));

    auto *caption = selector.findChild<QLabel *>(QStringLiteral("m_labelScence"));
    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    QLabel *image = imageLabel(selector);
    QVERIFY(caption && list && image);
    QCOMPARE(caption->text(), QStringLiteral("Scence:"));
    QCOMPARE(caption->buddy(), list);
    QCOMPARE(list->minimumWidth(), 90);
    QCOMPARE(list->maximumWidth(), 90);
    QCOMPARE(list->spacing(), 5);
    QCOMPARE(list->focusPolicy(), Qt::NoFocus);
    QCOMPARE(list->frameShape(), QFrame::NoFrame);
    QCOMPARE(image->minimumHeight(), 40);
    // Before any picture is asked for: the failure text in the lighter grey, no box.
    QCOMPARE(image->text(), QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-weight:600; "
                                           "color:#acacac;\">Get Picture Failure</span></p></body></html>"));
    QVERIFY(image->styleSheet().isEmpty());
    QVERIFY(selector.scencePicturePath().isEmpty());
}

void TestScenceSelector::threeScenes()
{
    ScenceSelector selector;
    selector.setScenceData(scences({QStringLiteral("Office"), QStringLiteral("Hospital"), QStringLiteral("Parking")}));

    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    QCOMPARE(list->count(), 3);
    QCOMPARE(selector.scenceCount(), 3);
    QCOMPARE(checkedStates(selector), (QStringList{QStringLiteral("11"), QStringLiteral("00"), QStringLiteral("00")}));
    for (int row = 0; row < 3; ++row) {
        auto *button = qobject_cast<ScenceSelector::ScenceQRaidoButton *>(list->itemWidget(list->item(row)));
        QVERIFY(button);
        QCOMPARE(button, selector.scenceButton(row));
        QCOMPARE(button->scenceType(), row);
        QCOMPARE(list->item(row)->sizeHint(), QSize(70, 27));
    }
    QCOMPARE(selector.scenceButton(1)->text(), QStringLiteral("Hospital"));
    QCOMPARE(selector.scenceButton(1)->toolTip(), QStringLiteral("Hospital"));
}

void TestScenceSelector::addingAndReplacing()
{
    ScenceSelector selector;
    selector.setScenceData(scences({QStringLiteral("Office"), QStringLiteral("Hospital"), QStringLiteral("Parking")}));
    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    // A second button for a number already present is refused silently.
    selector.addScenceItem(SCENCE_ITEM{1, QStringLiteral("Elsewhere")});
    QCOMPARE(list->count(), 3);
    QCOMPARE(selector.scenceButton(1)->text(), QStringLiteral("Hospital"));

    const QPointer<QPushButton> old = selector.scenceButton(2);
    selector.OnScenceSelected(2);
    selector.setScenceData(scences({QStringLiteral("Lobby"), QStringLiteral("Garage")}));
    QVERIFY(old.isNull());
    QCOMPARE(selector.findChildren<ScenceSelector::ScenceQRaidoButton *>().size(), 2);
    QCOMPARE(selector.scenceButton(0)->text(), QStringLiteral("Lobby"));
    // The new scene 0 is the selected one again.
    QCOMPARE(checkedStates(selector), (QStringList{QStringLiteral("11"), QStringLiteral("00")}));

    selector.setScenceData({});
    QCOMPARE(selector.scenceCount(), 0);
    QCOMPARE(list->count(), 0);
}

void TestScenceSelector::clicks()
{
    ScenceSelector selector;
    selector.setScenceData(scences({QStringLiteral("Office"), QStringLiteral("Hospital"), QStringLiteral("Parking")}));
    QSignalSpy changed(&selector, &ScenceSelector::signalScenceChanged);
    const QStringList firstChecked{QStringLiteral("11"), QStringLiteral("00"), QStringLiteral("00")};
    const QStringList lastChecked{QStringLiteral("00"), QStringLiteral("00"), QStringLiteral("11")};

    // The checked scene is announced again, and stays checked.
    selector.scenceButton(0)->click();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(checkedStates(selector), firstChecked);

    selector.scenceButton(2)->click();
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(1).at(0).toInt(), 2);
    QCOMPARE(checkedStates(selector), lastChecked);
    selector.scenceButton(2)->click();
    QCOMPARE(checkedStates(selector), lastChecked);
    QCOMPARE(changed.size(), 3);
}

void TestScenceSelector::picture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("failureShown");
    QTest::addColumn<bool>("pictureShown");

    QTest::newRow("empty path") << QString() << true << false;
    QTest::newRow("missing file") << QStringLiteral("missing.png") << true << false;
    QTest::newRow("picture") << QStringLiteral("scene.png") << false << true;
    QTest::newRow("file that is no picture") << QStringLiteral("notes.png") << false << false;
}

void TestScenceSelector::picture()
{
    QFETCH(QString, file);
    QFETCH(bool, failureShown);
    QFETCH(bool, pictureShown);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QVERIFY(image.save(dir.filePath(QStringLiteral("scene.png"))));
    QFile notes(dir.filePath(QStringLiteral("notes.png")));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("plain text") > 0);
    notes.close();

    // Shown inside a plain window, as in the editor: a top-level selector would
    // hand its layout's size limits to the window system.
    QWidget window;
    window.resize(640, 480);
    ScenceSelector &selector = *new ScenceSelector(&window);
    selector.resize(300, 200);
    window.show();
    QLabel *label = imageLabel(selector);
    // A picture first, so each case also shows that the earlier one is cleared.
    selector.setScencePicture(dir.filePath(QStringLiteral("scene.png")));
    QVERIFY(!label->pixmap().isNull());

    const QString path = file.isEmpty() ? QString() : dir.filePath(file);
    selector.setScencePicture(path);
    QCOMPARE(selector.scencePicturePath(), path);

    QCOMPARE(label->text().contains(QLatin1String("Get Picture Failure")), failureShown);
    if (failureShown) {
        QVERIFY(label->text().contains(QLatin1String("color:#cccccc;")));
        QCOMPARE(label->styleSheet(),
                 QStringLiteral("QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}"));
    } else {
        QVERIFY(label->styleSheet().isEmpty());
    }
    QCOMPARE(!label->pixmap().isNull(), pictureShown);
    if (pictureShown) {
        // Stretched to the label, aspect ratio ignored.
        QCOMPARE(label->pixmap().size(), label->size());
        QCOMPARE(label->pixmap().toImage().pixelColor(0, 0), QColor(10, 200, 30));
    }
}

void TestScenceSelector::pictureFollowsResize()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = dir.filePath(QStringLiteral("scene.png"));
    QVERIFY(image.save(path));

    // Shown inside a plain window, as in the editor: a top-level selector would
    // hand its layout's size limits to the window system.
    QWidget window;
    window.resize(640, 480);
    ScenceSelector &selector = *new ScenceSelector(&window);
    selector.resize(300, 200);
    window.show();
    selector.setScencePicture(path);
    QLabel *label = imageLabel(selector);
    const QSize before = label->pixmap().size();
    QCOMPARE(before, label->size());

    selector.resize(500, 420);
    QCoreApplication::sendPostedEvents();
    QVERIFY(label->size() != before);
    QCOMPARE(label->pixmap().size(), label->size());

    // The failure box is shown again after a resize as well.
    selector.setScencePicture(QString());
    selector.resize(320, 240);
    QCoreApplication::sendPostedEvents();
    QVERIFY(label->pixmap().isNull());
    QVERIFY(label->text().contains(QLatin1String("Get Picture Failure")));
}

QTEST_MAIN(TestScenceSelector)
#include "tst_scenceselector.moc"
