#pragma once

#include "model/RetentionPolicy.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QValidator;
namespace FenwaGUIToolkit {
class CComboBox;
class CLineEdit;
} // namespace FenwaGUIToolkit

// The "Retention" section under the editor's fields. Closed, the group
// follows the plan's retention; opened, it keeps a policy of its own, which
// the fields of the section describe. Whoever places the section offers the
// sub-stream's resolutions and frame rates and recommends its rate, through
// the Advice; the section keeps a typed rate while it differs from the
// recommendation.
class RetentionSection : public QWidget
{
    Q_OBJECT

public:
    struct Advice
    {
        std::function<QStringList()> resolutions;
        std::function<QStringList()> frameRates;
        // kbps per channel for a sub-stream of the resolution and the frame
        // rate as the lists name them; 0 or less for none.
        std::function<double(const QString &resolution, const QString &frameRate)> recommendedKbps;
    };

    explicit RetentionSection(QWidget *parent = nullptr);

    void setAdvice(Advice advice);

    bool isOpen() const;
    // The group's policy: not its own while the section is closed; a tier it
    // does not keep carries nothing of what its fields hold, as a saved plan
    // does not.
    RetentionPolicy policy() const;
    // Everything the fields hold, kept or not, own while open: setPolicy
    // shows it again as it was.
    RetentionPolicy draft() const;
    // Fills every field and opens the section for a policy of its own. The
    // sub-stream's choices stay where the lists do not offer the policy's.
    void setPolicy(const RetentionPolicy &policy);
    void reset() { setPolicy(RetentionPolicy()); }
    // Whether a group of that main rate per channel and recording share
    // cannot keep the policy; if so the field at fault is marked, says why
    // and takes the focus.
    bool refuse(double mainKbps, int recordingShare);
    // The width the captions take, and the width their column is given, so
    // that the fields line up with others around the section.
    int captionWidth() const;
    void setCaptionWidth(int width);

public slots:
    void setOpen(bool open);
    // A group recorded on motion keeps its events as long as its retention.
    void setOnMotion(bool onMotion);
    // Reads the lists again, keeping the choices they still offer, and asks
    // for the recommendation anew; a typed rate stays.
    void refreshAdvice();

private:
    FenwaGUIToolkit::CLineEdit *numberField(const char *name, QValidator *validator, const QString &range);
    FenwaGUIToolkit::CComboBox *choiceField(const char *name, const QStringList &choices, const QString &about);
    void addRow(QGridLayout *grid, const QString &caption, QWidget *field, QWidget *beside = nullptr);
    void showRow(QWidget *field, bool shown);
    void showRows();
    void recommend();
    QString recommendation() const;
    QLineEdit *fieldAtFault(RetentionPolicy::Fault fault, const RetentionPolicy &policy) const;
    void clearMarks();
    // Scrolls the field into sight where the section sits in a scroll area.
    void reveal(QWidget *field);

    Advice m_advice;
    // The rate last recommended; the field holds a typed one while it differs.
    QString m_recommendedRate;
    bool m_onMotion = false;

    QToolButton *m_btnRetentionSection = nullptr;
    QWidget *m_body = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditRetention = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboRetentionUnit = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditHoursPerDay = nullptr;
    QCheckBox *m_checkBoxSplitWeek = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditWeekdayHours = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditWeekendHours = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditEventDays = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditEventShare = nullptr;
    QLabel *m_labelMotionEvents = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditSubStreamDays = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboSubStreamResolution = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboSubStreamFrameRate = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditSubStreamKbps = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboAudio = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditAacKbps = nullptr;
};
