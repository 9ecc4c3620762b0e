#include "app/ToolsApplication.h"

#include "aptui/BaseDialog.h"
#include "host/CFile.h"
#include "host/GuiInit.h"
#include "host/ISkinPlugin.h"
#include "host/TargetPath.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ConfigureManager.h"
#include "model/LanaguageManager.h"

#include <QDir>
#include <QFont>
#include <QHelpEvent>
#include <QIcon>
#include <QLabel>
#include <QLoggingCategory>
#include <QPixmap>
#include <QPluginLoader>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCodec>
#include <QToolTip>
#include <QUrl>

#include <utility>

Q_LOGGING_CATEGORY(lcApp, "tavo.app", QtInfoMsg)

namespace apt {

namespace {
const char kStyleName[] = "CommonStyle";
const char kToolkitStyleFolder[] = ":/Fenwasuite/Qss/Qss/FenwaGUIToolkit/";
const char kExcludedStyleSheet[] = "MacSpecial.qss";
const char kProgramStyleSheet[] = ":/Fenwasuite/Qss/Qss/Vantor/Vantor.qss";
// One size only: read as a pixmap, it needs no icon engine looked up among the plugins.
const char kWindowIcon[] = ":/aptui/complex/Images/System/Complex/calculate.png";
const char kOpenPlanPrefix[] = "open-plan:";
// How long a later start waits for the running one to take its plan.
const int kHandOverTimeoutMs = 5000;

// A plain text that looks like markup is shown as written, not formatted.
QString toolTipText(const QObject *receiver, const QString &text)
{
    const auto *label = qobject_cast<const QLabel *>(receiver);
    const bool rich = label && (label->textFormat() == Qt::RichText ||
                                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)));
    if (rich || !Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

QFont baseFont(const QString &family)
{
    QFont font(family, 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    return font;
}
} // namespace

ToolsApplication::ToolsApplication(const QString &appId, int &argc, char **argv)
    : SharedTools::QtSingleApplication(appId, argc, argv), m_startFolder(QDir::currentPath())
{
    // Relative paths (the licences file) are opened against the data directory.
    QDir::setCurrent(FenwaGUIToolkit::GetTargetPath());
    // Ties the windows to the desktop entry (its name and icon) on desktops that ask.
    setDesktopFileName(QStringLiteral(TAVO_APP_ID));
    // Before the event loop runs, so that a plan handed over early waits for the window.
    connect(this, &QtSingleApplication::messageReceived, this, &ToolsApplication::onMessage);
}

QString ToolsApplication::skinFolder()
{
    return FenwaGUIToolkit::GetPluginPath() + QStringLiteral("skins/");
}

QString ToolsApplication::defaultSkinName()
{
    return QStringLiteral("CommonSkin");
}

bool ToolsApplication::initApplication()
{
    loadSetup();
    loadFont();
    loadSkin();
    loadStyle();
    loadLanguage();

    if (isRunning()) {
        // A plan to open goes to the running instance, which comes to the front.
        const QStringList plans = planFiles();
        m_handedOver = !plans.isEmpty() && sendMessage(openPlanMessage(plans.first()), kHandOverTimeoutMs);
        if (!m_handedOver)
            showAlreadyRunningHint();
        return false;
    }
    if (checkScreen()) {
        setWindowIcon(QIcon(QPixmap(QString::fromLatin1(kWindowIcon))));
        return true;
    }
    if (!askSmallScreen())
        return false;
    // The user insisted: the window still deserves its icon.
    setWindowIcon(QIcon(QPixmap(QString::fromLatin1(kWindowIcon))));
    return true;
}

QStringList ToolsApplication::planFiles() const
{
    QStringList plans;
    const QStringList given = arguments().mid(1);
    for (const QString &argument : given) {
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-')))
            continue;
        // The desktop may hand over a URL of a local file.
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        plans.append(QDir::cleanPath(QDir(m_startFolder).absoluteFilePath(path)));
    }
    return plans;
}

QString ToolsApplication::openPlanMessage(const QString &path)
{
    return QLatin1String(kOpenPlanPrefix) + path;
}

void ToolsApplication::attachMainWindow(VantorMainPage *window)
{
    m_window = window;
    window->planSession()->offerRecovery();
    const QStringList plans = planFiles();
    if (!plans.isEmpty())
        window->planSession()->openFile(plans.first());
    const QStringList handedOver = std::exchange(m_handedOverPlans, {});
    for (const QString &plan : handedOver)
        window->openHandedOverPlan(plan);
}

void ToolsApplication::onMessage(const QString &message)
{
    if (!message.startsWith(QLatin1String(kOpenPlanPrefix)))
        return;
    const QString plan = message.mid(int(qstrlen(kOpenPlanPrefix)));
    if (m_window)
        m_window->openHandedOverPlan(plan);
    else
        m_handedOverPlans.append(plan);
}

void ToolsApplication::loadSetup()
{
    // A missing or broken file leaves the store empty; every lookup then has a default.
    (void)ConfigureManager::instance()->loadSetup();
}

void ToolsApplication::restart()
{
    // The new process must find the place free, or it would take this one for a running instance.
    releaseInstance();
    QStringList restartArguments;
    for (const QString &argument : arguments().mid(1)) {
        if (argument.startsWith(QLatin1Char('-')))
            restartArguments.append(argument);
    }
    if (m_window && !m_window->planSession()->filePath().isEmpty())
        restartArguments.append(m_window->planSession()->filePath());
    if (QProcess::startDetached(QCoreApplication::applicationFilePath(), restartArguments)) {
        // Not quit(): that would ask the user whether to leave.
        QCoreApplication::exit(0);
        return;
    }
    qCWarning(lcApp).noquote() << "Cannot start" << QCoreApplication::applicationFilePath() << "again";
    // Carries on as the instance.
    (void)isRunning();
    aptui::BaseDialog::showHint(tr("The program could not be restarted. Please start it again yourself."),
                                QSize(400, 256));
}

void ToolsApplication::loadFont()
{
    setFont(baseFont(QStringLiteral("Microsoft YaHei")));
}

void ToolsApplication::loadSkin()
{
    const Configure *skin = ConfigureManager::instance()->find(ConfigureManager::Skin);
    const QString skinName = skin ? skin->value : defaultSkinName();
    if (findSkinPlugin(skinName, skinFolder()))
        qWarning("[Tool]LoadSkin = %s Success", skinName.toLocal8Bit().constData());
    else
        qWarning("[Tool]LoadSkin = %s failed", skinName.toLocal8Bit().constData());
}

void ToolsApplication::loadStyle()
{
    QStyle *style = QStyleFactory::create(QString::fromLatin1(kStyleName));
    if (!style)
        qDebug("[ToolsApplication::loadStyle]The CommonStyle does not exist.");
    else
        setStyle(style);

    const QString folder = QString::fromLatin1(kToolkitStyleFolder);
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    files.removeOne(QString::fromLatin1(kExcludedStyleSheet));
    QString styleSheet = FenwaGUIToolkit::CFile::ReadAll(files, folder);
    styleSheet += FenwaGUIToolkit::CFile::ReadAll(QString::fromLatin1(kProgramStyleSheet));
    setStyleSheet(styleSheet);
}

void ToolsApplication::loadLanguage()
{
    FenwaGUIToolkit::InitGuiTextCodec(QTextCodec::codecForLocale());
    LanaguageManager *languages = LanaguageManager::instance();
    switch (ConfigureManager::instance()->translator()) {
    case 10:
        setFont(baseFont(QStringLiteral("Tahoma")));
        break;
    case 9:
        setFont(baseFont(QStringLiteral("Batang")));
        break;
    default:
        break;
    }
    FenwaGUIToolkit::InitGuiLocale(languages->locale());
}

ISkinPlugin *ToolsApplication::findSkinPlugin(const QString &skinName, const QString &folder)
{
    if (skinName.isNull())
        return nullptr;
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &file : files) {
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + file));
        QObject *instance = loader.isLoaded() ? loader.instance() : nullptr;
        if (!instance) {
            if (!loader.load())
                continue;
            instance = loader.instance();
        }
        auto *skin = qobject_cast<ISkinPlugin *>(instance);
        if (skin && skin->skinNames().contains(skinName))
            return skin;
        // Plugins stay loaded whether or not they match: their resources remain available.
    }
    return nullptr;
}

bool ToolsApplication::checkScreen(const QList<QRect> &screenGeometries)
{
    bool wide = false;
    bool tall = false;
    for (const QRect &geometry : screenGeometries) {
        if (geometry.right() + 1 >= 1024)
            wide = true;
        if (geometry.bottom() + 1 >= 768)
            tall = true;
    }
    return wide && tall;
}

bool ToolsApplication::checkScreen() const
{
    QList<QRect> geometries;
    const QList<QScreen *> screenList = screens();
    for (const QScreen *screen : screenList)
        geometries.append(screen->geometry());
    return checkScreen(geometries);
}

ToolsApplication::WindowPlacement ToolsApplication::mainWindowPlacement(const QSize &available)
{
    WindowPlacement placement;
    const int w = available.width();
    const int h = available.height();
    if (h >= 768) {
        placement.size = QSize(int(qint64(w) * 768 / h), 768);
    } else {
        placement.size = available;
        placement.moveToOrigin = true;
    }
    return placement;
}

QRect ToolsApplication::mainWindowGeometry(const QRect &available)
{
    const WindowPlacement placement = mainWindowPlacement(available.size());
    if (placement.moveToOrigin)
        return QRect(available.topLeft(), placement.size);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, placement.size, available);
}

void ToolsApplication::showAlreadyRunningHint()
{
    aptui::BaseDialog::showHint(tr("TAVO storage calculator is already running."), QSize(400, 256));
}

bool ToolsApplication::askSmallScreen()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setFixedSize(400, 256);
    //: Title of the question asked at start on a small screen.
    dialog.setTitle(tr("Hint"));
    dialog.setBottomVisible(true);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    //: Asked at start when the screen is smaller than 1024 × 768 pixels; the answer is yes (Confirm) or no.
    dialog.setDefaultText(tr("Display resolution less than 1024*768,are you sure to start the program?"));
    return dialog.exec() == QDialog::Accepted;
}

bool ToolsApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        return true;

    // Widgets opt in to showing their full text as tool tip by having any tool tip.
    if (event->type() == QEvent::ToolTip && receiver && !receiver->inherits("QLineEdit")) {
        const QString toolTip = receiver->property("toolTip").toString();
        if (!toolTip.isNull()) {
            const QPoint globalPos = static_cast<QHelpEvent *>(event)->globalPos();
            QWidget *widget = receiver->isWidgetType() ? static_cast<QWidget *>(receiver) : nullptr;
            for (const char *name : {"text", "currentText"}) {
                const QString text = receiver->property(name).toString();
                if (!text.isNull()) {
                    QToolTip::showText(globalPos, toolTipText(receiver, text), widget);
                    return true;
                }
            }
        }
    }

    try {
        return SharedTools::QtSingleApplication::notify(receiver, event);
    } catch (...) {
        // A failing handler must not take the program down: the event counts as unhandled.
        return false;
    }
}

} // namespace apt
