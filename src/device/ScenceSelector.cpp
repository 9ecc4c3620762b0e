#include "device/ScenceSelector.h"

#include "aptui/PlainToolTip.h"
#include "aptui/Repolish.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QStyle>

namespace {
const int kListWidth = 90;
const int kRowSpacing = 5;
const QSize kRowSize(70, 27);

QString pictureFailureHtml(const QString &colour, const QString &text)
{
    return QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-weight:600; color:%1;\">"
                          "%2</span></p></body></html>")
        .arg(colour, text);
}
} // namespace

ScenceSelector::ScenceSelector(QWidget *parent) : QWidget(parent)
{
    setupForm();
}

ScenceSelector::~ScenceSelector() = default;

void ScenceSelector::setupForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ScenceSelector"));
    resize(636, 567);
    setWindowTitle(QStringLiteral("ScenceSelector"));

    auto *layout = new QGridLayout(this);
    layout->setObjectName(QStringLiteral("gridLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);

    m_labelScence = new QLabel(this);
    m_labelScence->setObjectName(QStringLiteral("m_labelScence"));
    //: Caption over the list of recording scenes (kinds of place: hospital, street…) in the editor.
    m_labelScence->setText(tr("Scence:"));
    layout->addWidget(m_labelScence, 0, 0);

    m_listWidgetScences = new QListWidget(this);
    m_listWidgetScences->setObjectName(QStringLiteral("m_listWidgetScences"));
    m_listWidgetScences->setFocusPolicy(Qt::NoFocus);
    m_listWidgetScences->setFrameShape(QFrame::NoFrame);
    m_listWidgetScences->setSpacing(kRowSpacing);
    m_listWidgetScences->setMinimumWidth(kListWidth);
    m_listWidgetScences->setMaximumWidth(kListWidth);
    m_listWidgetScences->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(m_listWidgetScences, 1, 0);
    m_labelScence->setBuddy(m_listWidgetScences);

    m_labelScenceImage = new QLabel(this);
    m_labelScenceImage->setObjectName(QStringLiteral("m_labelScenceImage"));
    m_labelScenceImage->setMinimumHeight(40);
    // The picture is scaled to the label, never the label to the picture.
    m_labelScenceImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_labelScenceImage->setAlignment(Qt::AlignCenter);
    //: Shown in place of a scene's picture that could not be loaded.
    m_labelScenceImage->setText(pictureFailureHtml(QStringLiteral("#acacac"), tr("Get Picture Failure")));
    layout->addWidget(m_labelScenceImage, 0, 1, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
}

void ScenceSelector::setScenceData(QVector<SCENCE_ITEM> scenceData)
{
    m_pendingScences.clear();
    m_hasPending = false;
    // Take the buttons out of the rows first, so the list does not keep
    // pointers to buttons deleted here.
    for (int row = 0; row < m_listWidgetScences->count(); ++row)
        m_listWidgetScences->removeItemWidget(m_listWidgetScences->item(row));
    m_listWidgetScences->clear();
    qDeleteAll(m_scenceButtons);
    m_scenceButtons.clear();

    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        m_pendingScences = std::move(scenceData);
        m_hasPending = true;
        return;
    }
    for (const SCENCE_ITEM &item : std::as_const(scenceData))
        addScenceItem(item);
}

void ScenceSelector::buildPending()
{
    if (!m_hasPending)
        return;
    m_hasPending = false;
    const QVector<SCENCE_ITEM> pending = std::move(m_pendingScences);
    m_pendingScences.clear();
    for (const SCENCE_ITEM &item : pending)
        addScenceItem(item);
}

ScenceSelector::ScenceQRaidoButton *ScenceSelector::scenceButton(int scenceType) const
{
    const_cast<ScenceSelector *>(this)->buildPending();
    return m_scenceButtons.value(scenceType, nullptr);
}

int ScenceSelector::scenceCount() const
{
    const_cast<ScenceSelector *>(this)->buildPending();
    return int(m_scenceButtons.size());
}

void ScenceSelector::showEvent(QShowEvent *event)
{
    buildPending();
    QWidget::showEvent(event);
}

void ScenceSelector::addScenceItem(SCENCE_ITEM scenceItem)
{
    // An item added after a pending list comes after it.
    buildPending();
    if (m_scenceButtons.contains(scenceItem.scenceType))
        return;

    auto *row = new QListWidgetItem(m_listWidgetScences);
    auto *button = new ScenceQRaidoButton(m_listWidgetScences, scenceItem.scenceType, scenceItem.strScenceName);
    button->setToolTip(aptui::plainToolTip(scenceItem.strScenceName));
    row->setSizeHint(kRowSize);
    m_listWidgetScences->setItemWidget(row, button);

    if (scenceItem.scenceType == 0) {
        button->setCheckable(true);
        button->setChecked(true);
    }

    m_scenceButtons.insert(scenceItem.scenceType, button);
    connect(button, &ScenceQRaidoButton::signalScenceButtonClick, this, &ScenceSelector::OnScenceSelected);
}

void ScenceSelector::OnScenceSelected(int sceneType)
{
    buildPending();
    // The editor refreshes on every click, also on the scene already chosen.
    emit signalScenceChanged(sceneType);

    ScenceQRaidoButton *selected = m_scenceButtons.value(sceneType, nullptr);
    if (selected && selected->isChecked())
        return;

    if (selected) {
        selected->setCheckable(true);
        selected->setChecked(true);
        aptui::repolish(selected);
    }
    for (ScenceQRaidoButton *button : std::as_const(m_scenceButtons)) {
        if (button == selected)
            continue;
        button->setChecked(false);
        button->setCheckable(false);
        aptui::repolish(button);
    }
}

void ScenceSelector::setScencePicture(QString path)
{
    m_strPicturePath = path;
    showPicture();
}

void ScenceSelector::resizeEvent(QResizeEvent *event)
{
    // The layout has already given the label its new size.
    showPicture();
    QWidget::resizeEvent(event);
}

void ScenceSelector::showPicture()
{
    m_labelScenceImage->clear();
    if (!m_strPicturePath.isEmpty() && QFileInfo::exists(m_strPicturePath)) {
        m_labelScenceImage->setStyleSheet(QString());
        const QImage image(m_strPicturePath);
        // A file that is no picture leaves the label empty.
        if (!image.isNull() && !m_labelScenceImage->size().isEmpty()) {
            m_labelScenceImage->setPixmap(QPixmap::fromImage(
                image.scaled(m_labelScenceImage->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
        }
        return;
    }
    m_labelScenceImage->setStyleSheet(
        QStringLiteral("QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}"));
    //: Shown in place of a scene's picture that could not be loaded.
    m_labelScenceImage->setText(pictureFailureHtml(QStringLiteral("#cccccc"), tr("Get Picture Failure")));
}
