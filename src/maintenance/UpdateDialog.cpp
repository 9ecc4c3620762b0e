#include "maintenance/UpdateDialog.h"

#include "aptui/FileChooser.h"
#include "aptui/Repolish.h"
#include "host/CFile.h"
#include "host/GuiInit.h"
#include "host/TargetPath.h"
#include "model/ConfigureManager.h"
#include "model/SceneImport.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextCodec>
#include <QVBoxLayout>

namespace {

const char kIconOk[] = ":/CommonSkin/Vantor/Images/Vantor/DeviceInfo/icon_state_ok.png";
const char kIconError[] = ":/CommonSkin/Vantor/Images/Vantor/DeviceInfo/icon_state_error.png";
const char kIconWarning[] = ":/BatchConfigFunc/Public/Image/Public/warn.png";
const char kTemplateName[] = "Template.csv";
// Pictures named one by one after a failed copy; more would not fit the status line.
const int kNamedPictures = 3;

} // namespace

UpdateDialog::UpdateDialog(QWidget *parent) : BaseDialog(false, false, false, false, true, false, false, parent)
{
    setupForm();
    //: Title of the dialog that replaces the program's recording scenes by imported ones.
    setTitle(tr("Update Data"));
    setBottomVisible(false);
    setFixedSize(558, 340);
    showStatus(ActionNone, Failed);
    m_labelTip->hide();

    connect(m_btnExport, &QPushButton::clicked, this, &UpdateDialog::onExportTemplate);
    connect(m_btnImport, &QPushButton::clicked, this, &UpdateDialog::onImportScene);
}

void UpdateDialog::setupForm()
{
    m_borderWidget = new QWidget(this);
    m_borderWidget->setObjectName(QStringLiteral("UpdateDialog_m_borderWidget"));
    auto *outer = new QVBoxLayout(m_borderWidget);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *form = new QWidget(m_borderWidget);
    form->setObjectName(QStringLiteral("UpdateDialog"));
    outer->addWidget(form);

    auto *layout = new QVBoxLayout(form);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(14);

    // What the two buttons are for, in the user's words.
    m_labelIntro = new QLabel(form);
    m_labelIntro->setObjectName(QStringLiteral("m_labelIntro"));
    m_labelIntro->setWordWrap(true);
    // It names the user's data folder: shown as written.
    m_labelIntro->setTextFormat(Qt::PlainText);
    // The import writes to the user's data folder, never beside the program.
    const QString dataFolder =
        QDir::toNativeSeparators(FenwaGUIToolkit::GetUserDataPath(FenwaGUIToolkit::UserFolder::Data));
    //: %1 is the user's data folder, where the imported scene file and its pictures are copied to.
    m_labelIntro->setText(tr("Replace the recording scenes of the variable-rate mode: export the template, fill it "
                             "in with one row per scene, encoding and resolution, then import it. The scene file and "
                             "the pictures it names are copied to your data folder, %1. The new scenes are used "
                             "after a restart.")
                              .arg(dataFolder));
    layout->addWidget(m_labelIntro);

    auto *buttons = new QHBoxLayout();
    buttons->setObjectName(QStringLiteral("buttonLayout"));
    buttons->setSpacing(12);
    m_btnExport = new QPushButton(form);
    m_btnExport->setObjectName(QStringLiteral("m_btnExport"));
    //: Button: writes the template of the scene file (a verb).
    m_btnExport->setText(tr("Export Data"));
    m_btnExport->setMinimumSize(140, 32);
    buttons->addWidget(m_btnExport);
    m_btnImport = new QPushButton(form);
    m_btnImport->setObjectName(QStringLiteral("m_btnImport"));
    //: Button: reads a filled-in scene template (a verb; the source's spelling is "Template").
    m_btnImport->setText(tr("Import Templete"));
    m_btnImport->setMinimumSize(140, 32);
    buttons->addWidget(m_btnImport);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto *status = new QHBoxLayout();
    status->setObjectName(QStringLiteral("statusLayout"));
    status->setSpacing(8);
    m_tipIcon = new QLabel(form);
    m_tipIcon->setObjectName(QStringLiteral("m_tipIcon"));
    m_tipIcon->setFixedSize(16, 16);
    m_tipIcon->setScaledContents(true);
    //: Placeholder of a small status icon; never shown once the dialog has reported anything.
    m_tipIcon->setText(tr("TextLabel"));
    status->addWidget(m_tipIcon, 0, Qt::AlignTop);
    m_tipText = new QLabel(form);
    m_tipText->setObjectName(QStringLiteral("m_tipText"));
    m_tipText->setWordWrap(true);
    // Outcomes name files and repeat their rows: shown as written.
    m_tipText->setTextFormat(Qt::PlainText);
    m_tipText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: Placeholder of the status line; never shown once the dialog has reported anything.
    m_tipText->setText(tr("tip text"));
    status->addWidget(m_tipText, 1);
    layout->addLayout(status);

    m_labelTip = new QLabel(form);
    m_labelTip->setObjectName(QStringLiteral("m_labelTip"));
    //: Note: imported scenes apply after the program is started again.
    m_labelTip->setText(tr("Tip: Need to Restart"));
    layout->addWidget(m_labelTip);
    layout->addStretch();

    setContentWidget(m_borderWidget);
}

void UpdateDialog::showStatus(int action, Outcome outcome, const QString &detail)
{
    // Only an import can be done in part; anything else short of success failed.
    if (outcome == PartlySucceeded && action != ActionImport)
        outcome = Failed;
    const bool success = outcome == Succeeded;
    QString icon;
    QString message;
    if (action == ActionExport) {
        icon = QString::fromLatin1(success ? kIconOk : kIconError);
        //: Status after writing the scene template: it was written.
        const QString done = tr("Export Success.");
        //: Status after writing the scene template: it was not written.
        message = success ? done : tr("Export Failure.");
    } else if (action == ActionImport) {
        icon = QString::fromLatin1(success ? kIconOk : kIconError);
        //: Status after reading a scene file: it was taken and applies after the program is started again.
        const QString done = tr("Import Success, Restart Software to Work.");
        //: Status after reading a scene file: it was refused (the reason follows).
        message = success ? done : tr("Import Failure.");
        if (outcome == PartlySucceeded) {
            icon = QString::fromLatin1(kIconWarning);
            //: Status after reading a scene file: its scenes were taken, but not every picture it names could be
            //: copied (what was taken and what failed follows).
            message = tr("Import Incomplete.");
        }
    }
    if (!detail.isEmpty())
        message += QLatin1Char(' ') + detail;

    m_tipIcon->setPixmap(icon.isEmpty() ? QPixmap() : QPixmap(icon));
    m_tipText->setText(message);
    // Screen readers announce the outcome through the message's name.
    m_tipText->setAccessibleName(message);
    QString state;
    if (action == ActionExport || action == ActionImport)
        state = QLatin1String(success ? "success" : outcome == PartlySucceeded ? "partial" : "failure");
    if (m_tipText->property("outcome").toString() != state) {
        m_tipText->setProperty("outcome", state);
        aptui::repolish(m_tipText);
    }
    if (action == ActionExport || action == ActionImport) {
        m_tipIcon->show();
        m_tipText->show();
    }
}

QString UpdateDialog::templateText()
{
    //: The scene template's rows: comma-separated columns, each row ending in a line break. Translate
    //: the column names and the sample scene name (Hospital); keep the commas, codec, resolution, numbers and path.
    return tr("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n") +
           //: A sample row of the scene template: translate only the scene name (Hospital).
           tr("Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n") +
           //: A sample row of the scene template: translate only the scene name (Hospital).
           tr("Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png\n") + QLatin1Char('\n');
}

QString UpdateDialog::defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void UpdateDialog::onExportTemplate()
{
    //: Title of the file dialog that saves the scene template.
    QString path = aptui::FileChooser::saveFileName(this, tr("Save File"),
                                                    QDir(defaultFolder()).filePath(QString::fromLatin1(kTemplateName)),
                                                    QStringLiteral("*.csv"));
    if (path.isEmpty()) {
        showStatus(ActionNone, Failed);
        return;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");

    // Writing goes through a new file renamed over the old one, which would
    // replace even a write-protected template; such a file is left alone.
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || !target.isWritable())) {
        showStatus(ActionExport, Failed, tr("The file is write-protected."));
        return;
    }
    const QByteArray bytes = FenwaGUIToolkit::GuiTextCodec()->fromUnicode(templateText());
    if (!FenwaGUIToolkit::CFile::WriteAll(path, bytes)) {
        showStatus(ActionExport, Failed, tr("The file could not be written."));
        return;
    }
    //: Status after writing the scene template: %1 is the file's path.
    showStatus(ActionExport, Succeeded, tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
}

namespace {

// What a spreadsheet saves as "CSV" without saying so, in the user's language.
QByteArray legacyCodec(unsigned language)
{
    switch (language) {
    case 0:
        return QByteArrayLiteral("Windows-1252");
    case 1:
        return QByteArrayLiteral("GB18030");
    case 8:
        return QByteArrayLiteral("Windows-1251");
    default:
        return QByteArray();
    }
}

QString faultText(SceneImport::Fault fault)
{
    switch (fault) {
    case SceneImport::Unreadable:
        return UpdateDialog::tr("The file cannot be read.");
    case SceneImport::NoHeader:
        return UpdateDialog::tr("The first line must be the column header of the template.");
    case SceneImport::TooFewFields:
        return UpdateDialog::tr("A row needs at least scene, encoding, resolution and bitrate.");
    case SceneImport::EmptyScene:
        return UpdateDialog::tr("The scene name is empty.");
    case SceneImport::UnknownEncoding:
        return UpdateDialog::tr("The encoding is not one of the program's encodings.");
    case SceneImport::UnknownResolution:
        return UpdateDialog::tr("The resolution is not one of that encoding's resolutions.");
    case SceneImport::BadBitrate:
        return UpdateDialog::tr("The bitrate must be a whole number from 1 to 204800.");
    case SceneImport::PictureOutside:
        //: Why a scene row was refused: its picture path leaves the folder of the imported file (absolute, "..", or a
        //: link leading elsewhere); pictures are only copied from that folder or its subfolders.
        return UpdateDialog::tr("The picture must lie beside the imported file or in a folder below it.");
    case SceneImport::NoRows:
        return UpdateDialog::tr("The file holds no scenes.");
    case SceneImport::WriteFailed:
        return UpdateDialog::tr("The scene file could not be written; nothing was changed.");
    case SceneImport::NoFault:
        break;
    }
    return QString();
}

} // namespace

void UpdateDialog::onImportScene()
{
    const QString path =
        //: Title of the file dialog that picks a scene file to import.
        aptui::FileChooser::openFileName(this, tr("Open File"), defaultFolder(), QStringLiteral("*.csv"));
    if (path.isEmpty()) {
        showStatus(ActionNone, Failed);
        return;
    }

    SceneImport import(SceneImport::tablesOf(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("IPCBitrate"))));
    import.setLegacyCodec(legacyCodec(apt::ConfigureManager::instance()->translator()));
    if (!import.read(path)) {
        QString detail = faultText(import.fault());
        if (import.faultLine() > 0)
            //: Why a scene file was refused: %1 the line number in the file, %2 the reason (a sentence).
            detail = tr("Line %1: %2").arg(import.faultLine()).arg(detail);
        showStatus(ActionImport, Failed, detail);
        return;
    }
    // Into the user's own data folder, where it is read instead of the shipped scenes.
    if (!import.install(FenwaGUIToolkit::GetWritableFile(QStringLiteral("Scene.csv")),
                        FenwaGUIToolkit::GetWritableFile(QStringLiteral("ScenePicture")))) {
        showStatus(ActionImport, Failed, faultText(import.fault()));
        return;
    }

    const QStringList missing = import.picturesNotCopied();
    if (missing.isEmpty()) {
        showStatus(ActionImport, Succeeded);
        return;
    }
    // The scenes are in place, but some name a picture the program does not have.
    QStringList named = missing.mid(0, kNamedPictures);
    if (missing.size() > kNamedPictures)
        named << QStringLiteral("…");
    //: After an import that was not complete: %n rows of the scene file were taken.
    const QString taken =
        tr("%n scene row(s) imported; the scenes are used after a restart.", nullptr, import.rowCount());
    //: After an import: %n scene pictures could not be copied; %1 lists their file names.
    const QString failed =
        tr("%n picture(s) could not be copied: %1", nullptr, int(missing.size())).arg(named.join(QStringLiteral(", ")));
    showStatus(ActionImport, PartlySucceeded, taken + QLatin1Char(' ') + failed);
}
