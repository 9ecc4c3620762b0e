#pragma once

#include "device/DeviceEditorForm.h"
#include "model/StructDeviceItem.h"
#include "model/StructDeviceType.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class DeviceInfoManager;
class QComboBox;
class QKeyEvent;
class QLineEdit;

// The "Add Device" panel: the user describes one channel group, sees the
// recommended per-channel bitrate (from the bitrate tables, or in scene mode
// from the scene list), may overwrite it, and adds the group. The panel keeps
// no list of what was added, only the channel-group numbers it handed out.
// It also edits a group of the list: the group fills the fields, and "Save
// changes" hands the group back as the fields then describe it.
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
    // Whether `adding` more groups would pass what a plan holds; if so it
    // says so at the form and nothing should be added.
    bool refuseWhenFull(int adding);
    bool isFixedRateMode() const;
    int currentScenceNumber() const { return m_iCurrentScence; }
    // The list's id of the group being edited; 0 while adding.
    long long editedGroupId() const { return m_llEditedId; }

signals:
    void signalAddDevice(StructDeviceItem item);
    // The edited group as the fields describe it, with its own channel-group
    // number and name suffix.
    void signalEditDevice(long long id, StructDeviceItem item);
    void signalEditingChanged(bool editing);
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
    // Shows the group in the fields, its rate typed or recommended as it
    // was, until it is saved or the edit is cancelled; what the fields held
    // before comes back then. Another group replaces it and keeps that.
    // An id of 0 names no group.
    void editGroup(long long id, const StructDeviceItem &item);
    // Ends an edit without a word to the list.
    void cancelEdit();

protected:
    // Escape cancels an edit.
    void keyPressEvent(QKeyEvent *event) override;

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

    // The fields and the recommendation's memory, put aside while a group is
    // edited.
    struct Draft
    {
        DeviceEditorForm::Entries entries;
        bool fixedRate = true;
        int scence = 0;
        bool pal = false;
        QString recommendedRate;
        int recommendedComplexity = 1;
    };
    // Chooses the mode, the scene and then every entry through the slots a
    // hand would run, so lists and recommendation follow; the rate is the
    // caller's to set.
    void applyEntries(const DeviceEditorForm::Entries &entries, bool fixedRate, int scence);
    void restoreDraft();
    // The group as the fields describe it; the caller has checked them.
    StructDeviceItem itemFromFields(int channelGroupNumber) const;

    // Shows a recommendation of the tables (empty for none) worked out for
    // the complexity, and remembers it as such.
    void recommend(const QString &rate, int complexity);
    // Whether the rate field still holds the last recommendation, of a
    // complexity the tables know.
    bool isRateFromTable() const;

    void refreshFixedRate();
    void calculateFixedRate();
    // What the tables recommend at the group's encoding, standard, device
    // type and complexity; 0 or less for none.
    int tableRate(const QString &resolution, double frameRate) const;
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

    // Owned services; each reads the data files when it is built.
    DeviceInfoManager *m_pDeviceInfo = nullptr;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;

    int m_iCurrentScence = 0;
    bool m_bAppStarted = false;
    int m_iPreviousComplexity = 1;
    // The last recommendation shown and the complexity it stands for; a
    // typed rate, or one scaled from a typed rate, matches it no longer.
    QString m_strRecommendedRate;
    int m_iRecommendedComplexity = 1;
    bool m_bPal = true;
    long long m_llEditedId = 0;
    int m_iEditedNumber = 0;
    Draft m_draft;

    std::unique_ptr<DeviceEditorForm> m_ui;
};
