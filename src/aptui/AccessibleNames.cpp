#include "aptui/AccessibleNames.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace aptui {

QString AccessibleNames::captionName(const QString &caption)
{
    QString name = Qt::mightBeRichText(caption) ? QTextDocumentFragment::fromHtml(caption).toPlainText() : caption;
    // Compiled once: a window names dozens of fields.
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
    // A colon at the end, in either width, and the blanks around it.
    static const QRegularExpression trailingColon(QStringLiteral("\\s*[:：]\\s*$"));
    name.remove(mnemonic);
    name.remove(trailingColon);
    return name.trimmed();
}

void AccessibleNames::nameFieldsByTheirCaptions(QWidget *root)
{
    if (!root)
        return;
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QWidget *field = label->buddy();
        if (field && field->accessibleName().isEmpty()) {
            const QString name = captionName(label->text());
            if (name.isEmpty())
                continue;
            field->setAccessibleName(name);
            // A spin box's editor is a field of its own to a screen reader.
            if (qobject_cast<QAbstractSpinBox *>(field))
                for (QLineEdit *editor : field->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
                    editor->setAccessibleName(name);
        }
    }
}

} // namespace aptui
