#include "device/ReportHint.h"

#include "aptui/BaseDialog.h"
#include "aptui/BaseTitle.h"
#include "aptui/PlainToolTip.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

// The program's hint size, grown for a long path or wide buttons.
constexpr int kMinWidth = 350;
constexpr int kMaxWidth = 560;
constexpr int kMinHeight = 220;
// The text's distance from the dialog's sides (the skin pads it by 16).
constexpr int kTextMargin = 24;

QPushButton *addButton(aptui::BaseDialog &hint, const QString &text, const QString &objectName, const QUrl &url)
{
    auto *button = new QPushButton(text, &hint);
    button->setObjectName(objectName);
    button->setMinimumSize(72, 30);
    button->setAutoDefault(false);
    hint.addBottomWidget(button);
    QObject::connect(button, &QPushButton::clicked, &hint, [&hint, url] {
        QDesktopServices::openUrl(url);
        hint.accept();
    });
    return button;
}

} // namespace

QString ReportHint::text(ReportOutcome outcome, const QString &shownPath)
{
    QString reason;
    switch (outcome) {
    case ReportOutcome::Saved:
        //: The report was written: %1 is the file's path on the next line.
        return tr("Saved to:\n%1").arg(shownPath);
    case ReportOutcome::Cancelled:
        return QString();
    case ReportOutcome::TargetIsFolder:
        reason = tr("%1 is a folder. Choose a file name.").arg(shownPath);
        break;
    case ReportOutcome::FolderMissing:
        reason = tr("The folder %1 does not exist.").arg(shownPath);
        break;
    case ReportOutcome::FolderNotWritable:
        reason = tr("No file can be created in the folder %1. Is it read-only?").arg(shownPath);
        break;
    case ReportOutcome::WriteFailed:
        reason = tr("%1 could not be written to its end. Is the disk full?").arg(shownPath);
        break;
    case ReportOutcome::ReplaceFailed:
        reason = tr("The earlier %1 could not be replaced and is left as it was.").arg(shownPath);
        break;
    }
    //: The report was not written: %1 is the reason on the next line (a sentence naming the file or folder).
    return tr("Failed to save the file.\n%1").arg(reason);
}

void ReportHint::exec(ReportOutcome outcome, const QString &fileName)
{
    if (outcome == ReportOutcome::Cancelled)
        return;
    aptui::BaseDialog hint(false, false, false, false, true, true, false);
    //: Title of the message that says where the report went or why it could not be written.
    hint.setTitle(tr("Hint"));
    hint.setObjectName(QStringLiteral("Hint"));
    hint.setBottomVisible(true);
    if (outcome == ReportOutcome::Saved) {
        const QFileInfo file(fileName);
        //: Button: opens the report just written (a verb).
        addButton(hint, tr("Open"), QStringLiteral("m_btnOpenReport"), QUrl::fromLocalFile(file.absoluteFilePath()));
        //: Button: opens the folder the report was written to.
        addButton(hint, tr("Show in folder"), QStringLiteral("m_btnShowReportFolder"),
                  QUrl::fromLocalFile(file.absolutePath()));
    }
    // The skin's paddings count in the sizes below.
    hint.ensurePolished();

    auto *label = hint.findChild<QLabel *>(QStringLiteral("m_labelNULL"));
    const QWidget *bottom = hint.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    const QWidget *title = hint.findChild<aptui::BaseTitle *>();
    const QFileInfo file(fileName);
    const bool folderFault = outcome == ReportOutcome::FolderMissing || outcome == ReportOutcome::FolderNotWritable;
    const QString path = QDir::toNativeSeparators(folderFault ? file.absolutePath() : file.absoluteFilePath());
    const QFontMetrics metrics = label->fontMetrics();
    const int width = qBound(
        kMinWidth, qMax(bottom->sizeHint().width(), metrics.horizontalAdvance(path) + 2 * kTextMargin), kMaxWidth);
    // A path too long for the hint keeps its start and its file name.
    const QString shown = metrics.elidedText(path, Qt::ElideMiddle, width - 2 * kTextMargin);

    // Plain, so a name with markup reads as typed; selectable, so it can be copied.
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setToolTip(aptui::plainToolTip(path));
    hint.setDefaultText(text(outcome, shown));
    const int height =
        title->sizeHint().height() + bottom->sizeHint().height() + label->heightForWidth(width) + 2 * kTextMargin;
    hint.setFixedSize(width, qMax(kMinHeight, height));
    hint.exec();
}
