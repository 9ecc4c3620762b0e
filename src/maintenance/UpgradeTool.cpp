#include "maintenance/UpgradeTool.h"

#include "aptui/ElidedLabel.h"
#include "host/CCheckBox.h"
#include "host/TargetPath.h"
#include "model/ConfigureManager.h"
#include "model/XmlNode.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPixmap>
#include <QRegularExpression>
#include <QThread>
#include <QVBoxLayout>

// The maintenance pages' messages; debug lines only when asked for.
Q_LOGGING_CATEGORY(lcUpgradeTool, "tavo.maintenance", QtInfoMsg)

namespace {

const char kWarnIcon[] = ":/BatchConfigFunc/Public/Image/Public/warn.png";

// The user's own Upgrade.xml when there is one, else the shipped one.
QString upgradeFile()
{
    return FenwaGUIToolkit::GetDataFile(QStringLiteral("Upgrade.xml"));
}

// The "Value" text of a setting; empty when the file or the setting is missing.
QString settingValue(const XmlNode &root, const QString &name)
{
    return root.child(name).child(QStringLiteral("Value")).text();
}

bool isVersionNumber(const QString &text)
{
    static const QRegularExpression dotted(QStringLiteral("^\\d+(\\.\\d+)*$"));
    return dotted.match(text).hasMatch();
}

} // namespace

UpgradeTool::UpgradeTool(const upgrade::tagAppProperty &appProperty, QWidget *parent)
    : BaseDialog(false, false, false, false, true, true, true, parent), m_appProperty(appProperty)
{
    setupForm();
    setContentWidget(m_frame);
    setFixedSize(420, 198);
    //: Button: opens the download page of the newer version (a verb).
    setConfirmButtonText(tr("Upgrade"));
    //: Title of the dialog that offers a newer version of the program (a noun).
    setTitle(tr("Upgrade"));

    readSettings();
    m_upgrade = std::make_unique<upgrade::Upgrade>();
    m_upgrade->setServerAddr(m_strServerAddress.toStdString());

    connect(m_checkBox, &QCheckBox::stateChanged, this, &UpgradeTool::onCheckBoxStateChange);
}

UpgradeTool::~UpgradeTool()
{
    if (m_checkThread) {
        disconnect(m_checkThread, nullptr, this, nullptr);
        m_upgrade->cancel();
        m_checkThread->wait();
        delete m_checkThread;
    }
}

void UpgradeTool::setupForm()
{
    setObjectName(QStringLiteral("UpgradeToolClass"));
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(m_frame);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setSpacing(0);
    layout->addItem(new QSpacerItem(20, 30, QSizePolicy::Minimum, QSizePolicy::Fixed));

    auto *versionRow = new QHBoxLayout();
    versionRow->setObjectName(QStringLiteral("horizontalLayout"));
    versionRow->setSpacing(8);
    versionRow->addStretch();
    m_iconLabel = new QLabel(m_frame);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setFixedSize(36, 36);
    m_iconLabel->setScaledContents(true);
    m_iconLabel->setPixmap(QPixmap(QString::fromLatin1(kWarnIcon)));
    //: What a screen reader says for the icon of the dialog that offers a newer version (a noun).
    m_iconLabel->setAccessibleName(tr("Update"));
    versionRow->addWidget(m_iconLabel);
    m_label2 = new QLabel(m_frame);
    m_label2->setObjectName(QStringLiteral("label_2"));
    //: Followed by the newer version's number ("4.1.0.2").
    m_label2->setText(tr("New version found"));
    versionRow->addWidget(m_label2);
    m_versionLabel = new QLabel(m_frame);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    // The server's words, shown as they came.
    m_versionLabel->setTextFormat(Qt::PlainText);
    m_versionLabel->setText(QStringLiteral("V1.0.0"));
    versionRow->addWidget(m_versionLabel);
    versionRow->addStretch();
    layout->addLayout(versionRow);
    m_pageLabel = new QLabel(m_frame);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pageLabel->setTextFormat(Qt::PlainText);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_pageLabel->setWordWrap(true);
    layout->addWidget(m_pageLabel);
    layout->addStretch();

    auto *promptRow = new QHBoxLayout();
    promptRow->setObjectName(QStringLiteral("horizontalLayout_2"));
    m_checkBox = new FenwaGUIToolkit::CCheckBox(m_frame);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    //: Check box: do not offer newer versions at start any more.
    m_checkBox->setText(tr("No Prompt"));
    m_checkBox->setChecked(false);
    promptRow->addWidget(m_checkBox);
    promptRow->addStretch();
    layout->addLayout(promptRow);
}

void UpgradeTool::readSettings()
{
    XmlNode upgradeSettings;
    upgradeSettings.load(upgradeFile());
    XmlNode setup;
    setup.load(apt::ConfigureManager::setupFile());

    // Chinese has a server of its own where one is set; every other language
    // asks the English one rather than none.
    const int language = settingValue(setup, QStringLiteral("Translator")).toInt();
    const QString english = settingValue(upgradeSettings, QStringLiteral("ServerAddressEn")).trimmed();
    const QString chinese = settingValue(upgradeSettings, QStringLiteral("ServerAddressZh")).trimmed();
    m_strServerAddress = language == 1 && !chinese.isEmpty() ? chinese : english;
    m_bPromptOff = settingValue(upgradeSettings, QStringLiteral("Prompt")).toInt() == 0;
}

void UpgradeTool::setPrompt(bool on)
{
    m_bPromptOff = !on;
    XmlNode root;
    if (!root.load(upgradeFile()) || root.isNull())
        root.createRoot(QStringLiteral("Upgrade"));
    XmlNode prompt = root.child(QStringLiteral("Prompt"));
    if (prompt.isNull())
        prompt = root.appendChild(QStringLiteral("Prompt"));
    XmlNode value = prompt.child(QStringLiteral("Value"));
    if (value.isNull())
        value = prompt.appendChild(QStringLiteral("Value"));
    value.setText(on ? 1 : 0);
    // The shipped file stays as it is: the user's choice is kept in their own.
    const QString target = FenwaGUIToolkit::GetWritableFile(QStringLiteral("Upgrade.xml"));
    if (!root.save(target))
        qCWarning(lcUpgradeTool) << "Cannot write" << target;
}

QString UpgradeTool::lastFailure() const
{
    if (m_checkThread)
        return QString();
    switch (m_upgrade->lastStatus()) {
    case upgrade::Upgrade::Status::NoServer:
        return tr("Could not check for updates: no update server is set up.");
    case upgrade::Upgrade::Status::BadAddress:
        return tr("Could not check for updates: the update server address is not valid.");
    case upgrade::Upgrade::Status::NotReachable:
    case upgrade::Upgrade::Status::Cancelled:
        return tr("Could not check for updates: the update server could not be reached.");
    case upgrade::Upgrade::Status::BadAnswer:
        return tr("Could not check for updates: the update server's answer was not understood.");
    case upgrade::Upgrade::Status::NotChecked:
    case upgrade::Upgrade::Status::NewerVersion:
    case upgrade::Upgrade::Status::UpToDate:
        break;
    }
    return QString();
}

QString UpgradeTool::versionFromAboutText(const QString &text)
{
    // The first dotted number, whatever words the language puts around it
    // ("Version 4.0.0.50", "Версия 4.0.0.50", "v4.0.0.50build").
    static const QRegularExpression dotted(QStringLiteral("\\d+(\\.\\d+)+"));
    const QString version = dotted.match(text).captured();
    // The server can only compare a plain dotted number.
    return isVersionNumber(version) ? version : QStringLiteral(TAVO_VERSION);
}

void UpgradeTool::checkUpdate()
{
    if (m_checkThread)
        return;
    // An address set up while the program runs counts from the next check on.
    const bool promptOff = m_bPromptOff;
    readSettings();
    m_bPromptOff = promptOff;
    m_upgrade->setServerAddr(m_strServerAddress.toStdString());
    struct Outcome
    {
        bool newer = false;
        std::string version;
    };
    auto outcome = std::make_shared<Outcome>();
    upgrade::Upgrade *query = m_upgrade.get();
    const upgrade::tagAppProperty appProperty = m_appProperty;
    m_checkThread = QThread::create(
        [query, appProperty, outcome] { outcome->newer = query->checkUpdate(outcome->version, appProperty); });
    m_checkThread->setObjectName(QStringLiteral("UpdateCheck"));
    // Queued: finished() is emitted on the worker thread.
    connect(m_checkThread, &QThread::finished, this, [this, outcome] {
        QThread *thread = m_checkThread;
        m_checkThread = nullptr;
        thread->wait();
        thread->deleteLater();
        finishCheck(outcome->newer, QString::fromStdString(outcome->version));
    });
    m_checkThread->start();
}

void UpgradeTool::finishCheck(bool newer, const QString &version)
{
    if (!newer) {
        emit signalUpdateCheckOver(false);
        return;
    }
    m_strNewVersion = QLatin1Char('V') + version;
    m_versionLabel->setText(m_strNewVersion);
    // The user sees where "Upgrade" leads before choosing it.
    const QUrl page = m_upgrade->downloadPage();
    m_pageLabel->setText(pageText(page));
    setConfirmEnabled(upgrade::Upgrade::checkPage(page) == upgrade::Upgrade::PageFault::None);
    emit signalUpdateCheckOver(true);
}

QString UpgradeTool::pageText(const QUrl &page)
{
    using Fault = upgrade::Upgrade::PageFault;
    switch (upgrade::Upgrade::checkPage(page)) {
    case Fault::None:
        // A host name too long for a line keeps its ends.
        //: Under the newer version's number: the site the "Upgrade" button opens (a host name, e.g. example.com).
        return tr("Download from %1").arg(aptui::ElidedLabel::shortened(page.host(), 30));
    case Fault::Missing:
        //: Under the newer version's number when the update server named no page to download it from.
        return tr("The update server named no download page.");
    case Fault::NotHttps:
        //: Under the newer version's number: the download page is refused because its address is not https.
        return tr("Not opened: the download address is not https.");
    case Fault::UserInfo:
        //: Under the newer version's number: the download page is refused because a user name or password stands
        //: before its site in the address ("https://name@site/"), which can disguise the site.
        return tr("Not opened: the download address holds a user name.");
    case Fault::TooLong:
        //: Under the newer version's number: the download page is refused because its address is too long.
        return tr("Not opened: the download address is over %n characters.", nullptr, upgrade::Upgrade::MaxPageLength);
    }
    return QString();
}

void UpgradeTool::onUpgrade()
{
    const QUrl page = m_upgrade->downloadPage();
    if (upgrade::Upgrade::checkPage(page) != upgrade::Upgrade::PageFault::None) {
        // Only a caller can get here: the dialog's button is off for such a page.
        showHint(pageText(page), QSize(350, 220));
        return;
    }
    if (m_upgrade->dowmloadPackage())
        return;
    // The page is where the new version comes from; say where it is when the desktop cannot open it.
    showHint(tr("The download page could not be opened: %1").arg(QString::fromLatin1(page.toEncoded())),
             QSize(350, 220));
}

void UpgradeTool::onCheckBoxStateChange(int state)
{
    if (state == Qt::Unchecked)
        setPrompt(true);
    else if (state == Qt::Checked)
        setPrompt(false);
}
