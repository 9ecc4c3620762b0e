#include "mainwindow/WindowTabOrder.h"

#include <QWidget>

void WindowTabOrder::apply(QWidget *window)
{
    // Editor, then the list, the panel's buttons, the calculator's modes and its inputs.
    static const char *const order[] = {"m_btnON",
                                        "m_btnOFF",
                                        "m_lineEditChannelName",
                                        "m_comboBoxResolution",
                                        "m_comboxFrameRate",
                                        "m_comboxEncodingType",
                                        "m_comboxSceneComplexity",
                                        "m_lineEditScenceRecommandRate",
                                        "m_lineEditChannelCounts",
                                        "m_comboxRecordingMode",
                                        "m_lineEditRecordingShare",
                                        "m_btnRetentionSection",
                                        "m_lineEditRetention",
                                        "m_comboRetentionUnit",
                                        "m_lineEditHoursPerDay",
                                        "m_checkBoxSplitWeek",
                                        "m_lineEditWeekdayHours",
                                        "m_lineEditWeekendHours",
                                        "m_lineEditEventDays",
                                        "m_lineEditEventShare",
                                        "m_lineEditSubStreamDays",
                                        "m_comboSubStreamResolution",
                                        "m_comboSubStreamFrameRate",
                                        "m_lineEditSubStreamKbps",
                                        "m_comboAudio",
                                        "m_lineEditAacKbps",
                                        "m_btnCancelEdit",
                                        "m_btnAddDevice",
                                        "m_listWidgetDiskData",
                                        "m_btnClear",
                                        "exportBtn",
                                        "calTimeBtn",
                                        "calDiskBtn",
                                        "calBandWithBtn",
                                        "calArrayBtn",
                                        "m_lineEditGT",
                                        "m_radioBtnTB",
                                        "m_radioBtnGB",
                                        "m_horizontalSliderTime",
                                        "m_spinBoxTime",
                                        "m_lineEditSaveTime",
                                        "m_radioBtnDay",
                                        "m_radioBtnWeek",
                                        "m_radioMonth",
                                        "m_hSliderDailyTime",
                                        "m_spinBoxDailyTime",
                                        "m_lineEditDriveSize",
                                        "m_lineEditDriveCount",
                                        "m_comboRaidLevel",
                                        "m_lineEditSpares",
                                        "m_btnSystemMenu",
                                        "m_btnMinimize",
                                        "m_btnMaximize",
                                        "m_btnClose"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *widget = window->findChild<QWidget *>(QLatin1String(name));
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
