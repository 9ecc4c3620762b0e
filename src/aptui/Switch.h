#pragma once

#include <QWidget>

class QHBoxLayout;
class QIcon;
class QPushButton;

namespace aptui {

// A two-button ON/OFF switch. The style sheet tells the states apart by the
// "checked" property, which reads "ON" or "OFF".
class Switch : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString checked READ checked WRITE setChecked)

public:
    explicit Switch(bool on = true, QWidget *parent = nullptr);

    bool isOn() const { return m_state; }
    QString checked() const;
    // True exactly when the text, in upper case, is "ON"; announces a change.
    void setChecked(const QString &text);

    void setOnText(const QString &text);
    void setOffText(const QString &text);
    void setOnIcon(const QIcon &icon, int size);
    void setOffIcon(const QIcon &icon, int size);

signals:
    void signalSwitch(bool on);
    void checkedChanged(const QString &checked);
    void signalON();
    void signalOFF();

public slots:
    void setSwitch(bool on);
    void switchOn() { setSwitch(true); }
    void switchOff() { setSwitch(false); }
    void onBtnsToggled(bool check);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void syncButtons(bool on);
    void repolish();

    QHBoxLayout *m_layout = nullptr;
    QPushButton *m_btnON = nullptr;
    QPushButton *m_btnOFF = nullptr;
    bool m_state = true;
};

} // namespace aptui
