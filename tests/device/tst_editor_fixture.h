#pragma once

#include "device/DeviceEditor.h"
#include "device/ScenceSelector.h"
#include "model/ModelDataDir.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A private data directory for one editor test: a copy of tests/data/device/editor
// (bitrate tables, frame rates, scenes and their pictures), made the toolkit's
// data directory for as long as it lives.
class EditorDataDir : public ModelDataDir
{
public:
    EditorDataDir() : ModelDataDir(QString()) { m_ready = isValid() && copyFixture(); }

    bool isReady() const { return m_ready; }

private:
    bool copyFixture() const
    {
        const QDir source(QStringLiteral(TAVO_TEST_DATA_DIR "/device/editor"));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        int copied = 0;
        while (it.hasNext()) {
            const QString from = it.next();
            QFile file(from);
            if (!file.open(QIODevice::ReadOnly) || !write(source.relativeFilePath(from), file.readAll()))
                return false;
            ++copied;
        }
        return copied > 0;
    }

    bool m_ready = false;
};

// Looking into an editor's form by object name.
namespace EditorParts {

template <typename T = QWidget>
inline T *part(const DeviceEditor &editor, const char *name)
{
    return editor.findChild<T *>(QLatin1String(name));
}

inline QComboBox *combo(const DeviceEditor &editor, const char *name)
{
    return part<QComboBox>(editor, name);
}

inline QLineEdit *edit(const DeviceEditor &editor, const char *name)
{
    return part<QLineEdit>(editor, name);
}

inline QString rate(const DeviceEditor &editor)
{
    return edit(editor, "m_lineEditScenceRecommandRate")->text();
}

// "a|b|c" as a list.
inline QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char('|'));
}

inline QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

inline bool shown(const DeviceEditor &editor, const char *name)
{
    return part(editor, name)->isVisibleTo(&editor);
}

inline StructDeviceItem addOnce(DeviceEditor &editor)
{
    StructDeviceItem added;
    const QMetaObject::Connection c = QObject::connect(&editor, &DeviceEditor::signalAddDevice,
                                                       [&added](const StructDeviceItem &item) { added = item; });
    part<QPushButton>(editor, "m_btnAddDevice")->click();
    QObject::disconnect(c);
    return added;
}

// Types text key by key; characters beyond ASCII come as the text of a key
// without a code, as a keyboard layout of their script sends them.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

inline ScenceSelector *selector(const DeviceEditor &editor)
{
    return part<ScenceSelector>(editor, "m_scenceSelector");
}

} // namespace EditorParts
