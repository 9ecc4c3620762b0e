#pragma once

#include <QWidgetAction>

class QFrame;
class QLabel;
class QPushButton;

namespace aptui {

class Widget;

// The about panel, placed as an entry of a menu: program icon, name, version,
// a corner button and up to two buttons, each under a separator line.
class CDlgAbout : public QWidgetAction
{
    Q_OBJECT

public:
    explicit CDlgAbout(QObject *parent = nullptr);

    void setName(const QString &text);
    void setVersion(const QString &text);
    QString version() const;
    void setButton1Text(const QString &text);
    void setButton2Text(const QString &text);
    void setCornerButtonText(const QString &text);
    void setButton1Visible(bool visible);
    void setButton2Visible(bool visible);
    void setCornerButtonVisible(bool visible);
    void setButtonsVisible(bool visible);

    // A compiler build date such as "Mar 29 2019" (or "Mar  9 2019") as the
    // number yyyymmdd; 0 for a text of another form.
    static int buildDateNumber(const QString &buildDate);

signals:
    void siganlBtn1Clicked();
    void siganlBtn2Clicked();
    void signalConerBtnClicked();

private:
    void setupForm();
    void setButtonVisible(QPushButton *button, bool visible);

    Widget *m_panel = nullptr;
    QPushButton *m_conerBtn = nullptr;
    QLabel *m_softIcon = nullptr;
    QLabel *m_labNameValue = nullptr;
    QLabel *m_labVersionValue = nullptr;
    QFrame *m_aboutLine1 = nullptr;
    QPushButton *m_aboutbtn1 = nullptr;
    QFrame *m_aboutLine2 = nullptr;
    QPushButton *m_aboutbtn2 = nullptr;
};

} // namespace aptui
