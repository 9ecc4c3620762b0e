#pragma once

#include "model/StructDeviceItem.h"
#include "model/StructDeviceType.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class BitrateConfigData;
class BitrateTable;
class DeviceEditorForm;
class DeviceInfoManager;
class QComboBox;
class QLineEdit;

// The "Add Device" panel: the user describes one channel group, sees the
// recommended per-channel bitrate (from the bitrate tables, or in scene mode
// from the scene list), may overwrite it, and adds the group. The panel keeps
// no list of what was added, only the channel-group numbers it handed out.
class DeviceEditor : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceEditor(QWidget *parent = nullptr);
    ~DeviceEditor() override;

    bool isPalStandard() const { return m_bPal; }
    // The groups with fresh channel-group numbers, each name followed by its
    // "(n)" as an add gives it; an empty name takes the default.
    QVector<StructDeviceItem> numberedGroups(QVector<StructDeviceItem> groups);
    bool isFixedRateMode() const;
    int currentScenceNumber() const { return m_iCurrentScence; }

signals:
    void signalAddDevice(StructDeviceItem item);
    void signalGetFrameStandard();
    void signalAppStart();
    // 0 PAL, 1 NTSC.
    void signalCurrentFrameStandard(int index);

public slots:
    void setDeviceTypes(QVector<StructDeviceType> deviceTypes);
    void setDeviceResolutions(QMap<int, QString> resolutions);
    void setScenceRecommandRateText(QString rate);
    QObject *getScenceSelector();
    // True collapses the panel to its narrow strip, false expands it.
    void OnSpreadChanged(bool spread);
    // 0 means that every group was cleared.
    void OnDeleteChannelGroupNumber(int iChannelGroupNumber);
    // 0 PAL, 1 NTSC.
    void OnSetFrameByStandard(int index);
    // Turns the PAL/NTSC switch as a click would, announcing a change.
    void setFrameStandard(int standard);
    // These numbers are in use from now on, as when a plan is opened; the
    // next add takes the smallest other one.
    void setUsedChannelGroupNumbers(const QList<int> &numbers);

private slots:
    void OnBtnAddDeviceClicked();
    void OnRateSelected();
    void OnDeviceTypeChanged(int index);
    void OnResolutionChanged(int index);
    void OnFixedRateFrameRateChanged(int index);
    void OnEncodingTypeChanged(int index);
    void OnScenceChanged(int scenceType);
    void OnFrametareStandardPAL();
    void OnFrametareStandardNTSC();
    void OnCalRecommenderBitrateBySceneComplexity(int index);
    // Shows the share field for "On motion" only.
    void OnRecordingModeChanged(int index);

private:
    void makeConnections();

    // Marks each required field without a value, says what the first one
    // misses and gives it the focus; true when none misses anything.
    bool checkRequiredFields();

    // Shows a recommendation of the tables (empty for none) worked out for
    // the complexity, and remembers it as such.
    void recommend(const QString &rate, int complexity);
    // Whether the rate field still holds the last recommendation, of a
    // complexity the tables know.
    bool isRateFromTable() const;

    void refreshFixedRate();
    void calculateFixedRate();
    void switchFrameStandard(int standard);
    template <typename Slot, typename Refill>
    void quietly(QComboBox *combo, Slot slot, Refill refill);
    void clearResolutions();
    void refillFrameRates(int standard);
    void refillResolutions(const QStringList &resolutions);
    void refillEncodings(const QStringList &encodings);
    void enterScenceMode();
    void refreshScenceEncodings();
    void refreshScenceRate();

    int currentDeviceType() const;
    double currentFrameRate() const;
    QStringList offeredEncodings() const;

    // Owned services; each reads the data files when it is built.
    DeviceInfoManager *m_pDeviceInfo = nullptr;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    std::unique_ptr<BitrateTable> m_pBitrateTable;
    std::unique_ptr<BitrateConfigData> m_pBitrateConfig;

    int m_iCurrentScence = 0;
    bool m_bAppStarted = false;
    int m_iPreviousComplexity = 1;
    // The last recommendation shown and the complexity it stands for; a
    // typed rate, or one scaled from a typed rate, matches it no longer.
    QString m_strRecommendedRate;
    int m_iRecommendedComplexity = 1;
    bool m_bPal = true;

    std::unique_ptr<DeviceEditorForm> m_ui;
};
