#pragma once

#include "host/CFancyTitle.h"

#include <QIcon>

class QAbstractButton;
class QHBoxLayout;
class QPushButton;
class QSpacerItem;

namespace aptui {

class ElidedLabel;

// The title bar of dialogs: application icon, title, room for added buttons,
// then option, minimise, maximise and close buttons.
class BaseTitle : public FenwaGUIToolkit::CFancyTitle
{
    Q_OBJECT

public:
    BaseTitle(bool appButtonShown, bool optionButtonShown, bool minButtonShown, bool maxButtonShown,
              bool closeButtonShown, QWidget *parent = nullptr);

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();

public slots:
    void setAppButtonShow(bool showIt);
    void setOptionButtonShow(bool showIt);
    void setMinButtonShow(bool showIt);
    void setMaxButtonShow(bool showIt);
    void setCloseButtonShow(bool showIt);
    void addCustomButton(QAbstractButton *button);
    void setTitle(QString title);
    void setTitleIcon(QIcon icon);

private:
    QPushButton *makeButton(const QString &objectName, const QString &accessibleName);
    static void showButton(QPushButton *button, bool showIt);

    QHBoxLayout *m_layout = nullptr;
    QPushButton *m_btnApp = nullptr;
    ElidedLabel *m_labelTitle = nullptr;
    QSpacerItem *m_spacer = nullptr;
    QHBoxLayout *m_hlayoutCustomButtons = nullptr;
    QPushButton *m_btnOption = nullptr;
    QPushButton *m_btnMin = nullptr;
    QPushButton *m_btnMax = nullptr;
    QPushButton *m_btnClose = nullptr;
};

} // namespace aptui
