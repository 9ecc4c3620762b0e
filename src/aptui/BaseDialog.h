#pragma once

#include <QDialog>
#include <QMetaObject>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

namespace aptui {

class BaseTitle;

// A frameless dialog with its own title bar, a body that shows a default text
// until a content widget replaces it, and a confirm/cancel bottom bar.
class BaseDialog : public QDialog
{
    Q_OBJECT

public:
    BaseDialog(bool appButtonShown, bool optionButtonShown, bool minButtonShown, bool maxButtonShown,
               bool closeButtonShown, bool confirmButtonShown, bool cancelButtonShown, QWidget *parent = nullptr);

    // Fixes the dialog at width x height and sizes the body to what the title
    // bar and the bottom bar leave of it. The body follows later changes of the
    // bottom bar. Hides QWidget::setFixedSize on purpose: on a dialog that
    // call would leave the body at its old size.
    void setFixedDialogSize(int width, int height);
    void setFixedSize(int width, int height) { setFixedDialogSize(width, height); }
    void setFixedSize(const QSize &size) { setFixedDialogSize(size.width(), size.height()); }

    // Replaces the default text (and whatever else the body held) by the widget.
    void setContentWidget(QWidget *widget);

    // The program's hint: title "Hint", only the close button, no bottom bar;
    // runs modally at the given size.
    static void showHint(const QString &text, const QSize &size);
    void addBottomWidget(QWidget *widget);
    // Off while there is nothing the confirm button could do.
    void setConfirmEnabled(bool enabled);
    void addTitleButton(QAbstractButton *button);

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();
    void signalConfirmButtonClicked();
    void signalCancelButtonClicked();

public slots:
    void setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose, bool enableConfirm,
                                     bool enableCancel);
    void setTitle(QString title);
    void setDefaultText(QString text, int fontSize, bool blod);
    void setDefaultText(QString text, int fontSize);
    void setDefaultText(QString text);
    void setConfirmButtonText(QString text);
    void setCancelButtonText(QString text);
    void setBottomBarHeight(int height);
    void setBottomVisible(bool value);
    void onConfirmBtnClicked();
    void onCancelBtnClicked();
    void restoreWindow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setupForm();
    void applyBodyHeight();
    int titleBarHeight() const;
    int bottomBarHeight() const;

    // Form
    QVBoxLayout *m_verticalLayout = nullptr;
    QHBoxLayout *m_titleLayout = nullptr;
    QWidget *m_mainBorder = nullptr;
    QVBoxLayout *m_borderLayout = nullptr;
    QLabel *m_labelNULL = nullptr;
    QWidget *m_bottom = nullptr;
    QHBoxLayout *m_bottomLayout = nullptr;
    QHBoxLayout *m_layoutMyBtns = nullptr;
    QHBoxLayout *m_btnLayout = nullptr;
    QPushButton *m_btnConfirm = nullptr;
    QPushButton *m_btnCancel = nullptr;

    BaseTitle *m_title = nullptr;
    QMetaObject::Connection m_minConnection;
    QMetaObject::Connection m_maxConnection;
    QMetaObject::Connection m_closeConnection;
    bool m_minConnected = false;
    bool m_maxConnected = false;
    bool m_closeConnected = false;
    bool m_confirmCloses = true;
    bool m_cancelCloses = true;
    // Width and height given to setFixedDialogSize; invalid until then.
    QSize m_fixedSize;
};

} // namespace aptui
