#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace NM_Vantor {

// A small frameless message box with a picture by kind (0 success, 1
// information, 2 error; any other kind shows none) and a text.
class WarningDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WarningDialog(QWidget *parent = nullptr);
    WarningDialog(int kind, const QString &text, QWidget *parent = nullptr);

    // Shows the box modally with its top-left corner at the point.
    static int showWarning(const QPoint &point, int kind, const QString &text);

    // The picture of a kind; empty for unknown kinds or a missing image.
    static QString picturePath(int kind);

signals:
    void signalWarnClose();

public slots:
    void onBtnClose();

private:
    void setupForm();
    void setKind(int kind);

    QWidget *m_borderWidget = nullptr;
    QPushButton *m_btnClose = nullptr;
    QLabel *m_labelWarnPicture = nullptr;
    QLabel *m_labelWarnText = nullptr;
};

} // namespace NM_Vantor
