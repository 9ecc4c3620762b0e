#pragma once

#include "device/ScenceQRaidoButton.h"
#include "model/ScenceItem.h"

#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>

class QLabel;
class QListWidget;

// The scene part of the device editor: a narrow column of scene buttons and the
// picture of the chosen scene beside it. It knows scenes by number and name only
// and reads no file except the picture it is told to show.
class ScenceSelector : public QWidget
{
    Q_OBJECT

public:
    // Moc handles no nested classes, so the button class stands on its own
    // and is named here.
    using ScenceQRaidoButton = ::ScenceQRaidoButton;

    explicit ScenceSelector(QWidget *parent = nullptr);
    ~ScenceSelector() override;

    // Shows the picture stretched to the label, or the failure text when the path
    // is empty or names no file. Shown again at the new size on every resize.
    void setScencePicture(QString path);

    QString scencePicturePath() const { return m_strPicturePath; }
    // The button of that scene number; none when absent.
    ScenceQRaidoButton *scenceButton(int scenceType) const;
    int scenceCount() const;

signals:
    void signalScenceChanged(int scenceType);

public slots:
    void setScenceData(QVector<SCENCE_ITEM> scenceData);
    void addScenceItem(SCENCE_ITEM scenceItem);
    void OnScenceSelected(int sceneType);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setupForm();
    void showPicture();
    // Builds the buttons of scenes that came while the selector was put away.
    void buildPending();

    QLabel *m_labelScence = nullptr;
    QListWidget *m_listWidgetScences = nullptr;
    QLabel *m_labelScenceImage = nullptr;

    QMap<int, ScenceQRaidoButton *> m_scenceButtons;
    QString m_strPicturePath;
    // A selector hidden on purpose builds its buttons only when first needed:
    // the editor starts in fixed-rate mode, and a long scene list costs time.
    QVector<SCENCE_ITEM> m_pendingScences;
    bool m_hasPending = false;
};
