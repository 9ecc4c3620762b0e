#include "device/WidgetDeviceListBorder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WidgetDeviceListBorder"));
    resize(616, 515);
    //: Name of the frame around the list of channel groups (read by screen readers): "Device list".
    setWindowTitle(tr("WidgetDeviceListBorder"));

    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto *pictureRow = new QHBoxLayout();
    pictureRow->setObjectName(QStringLiteral("horizontalLayout"));
    pictureRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_labelNullPic = new QLabel(this);
    m_labelNullPic->setObjectName(QStringLiteral("m_labelNullPic"));
    m_labelNullPic->setFixedSize(90, 90);
    pictureRow->addWidget(m_labelNullPic);
    pictureRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    layout->addLayout(pictureRow);

    auto *tipRow = new QHBoxLayout();
    tipRow->setObjectName(QStringLiteral("horizontalLayout_2"));
    tipRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_labeNullTip = new QLabel(this);
    m_labeNullTip->setObjectName(QStringLiteral("m_labeNullTip"));
    m_labeNullTip->setAlignment(Qt::AlignCenter);
    m_labeNullTip->setText(
        //: Shown in place of the empty list of channel groups: the list is empty, add a group. Keep the tags.
        tr("<html><head/><body><p><span style=\" font-size:18pt; color:#D9DaDb;\">NO DEVICE, </span><span "
           "style=\" font-size:18pt; font-weight:600; color:#D9dadb;\">Please Add Device!</span></p></body></html>"));
    tipRow->addWidget(m_labeNullTip);
    tipRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    layout->addLayout(tipRow);

    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
}
