#pragma once

#include <QWidget>

class DataCalculatorPage;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The panel that holds the device list and the calculator side by side under
// a header with Export and Clear. Until the first device is added it shows
// the empty-list view in their place. The device list and the empty-list view
// come from the caller, which owns the device pages.
class CapacityCalculation : public QWidget
{
    Q_OBJECT

public:
    // Takes over both widgets; an absent one is replaced by an empty widget.
    CapacityCalculation(QWidget *deviceAddPage, QWidget *emptyListView, QWidget *parent = nullptr);

    QWidget *getDeviceAddPage() const;
    DataCalculatorPage *getDataCalculatorPage() const;
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;

signals:
    void signalClear();
    void signalExport();

public slots:
    void showNullPage();
    void showNormalPage();

private:
    void setupForm(QWidget *deviceAddPage);
    void clearBorderLayout();

    QVBoxLayout *m_borderLayout = nullptr;
    QWidget *m_CapacityWidget = nullptr;
    QLabel *m_labelCapacityCalculationSection = nullptr;
    QLabel *m_labelCapacityCalculationTitle = nullptr;
    QPushButton *m_exportBtn = nullptr;
    QPushButton *m_btnClear = nullptr;
    QFrame *m_boardHline = nullptr;
    QWidget *m_widgetDeviceList = nullptr;
    QWidget *m_deviceAddPage = nullptr;
    QFrame *m_boardVline = nullptr;
    DataCalculatorPage *m_dataCalculatorPage = nullptr;
    QWidget *m_emptyListView = nullptr;
};
