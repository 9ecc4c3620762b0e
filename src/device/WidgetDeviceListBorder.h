#pragma once

#include <QWidget>

class QLabel;

// What the capacity panel shows while no channel group has been added: a
// picture and the words "NO DEVICE, Please Add Device!".
class WidgetDeviceListBorder : public QWidget
{
    Q_OBJECT

public:
    explicit WidgetDeviceListBorder(QWidget *parent = nullptr);

private:
    QLabel *m_labelNullPic = nullptr;
    QLabel *m_labeNullTip = nullptr;
};
