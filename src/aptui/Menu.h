#pragma once

#include <QMenu>

namespace aptui {

// A frameless, translucent popup menu that draws its own shape from the style
// sheet and therefore must not get the system's drop shadow.
class Menu : public QMenu
{
    Q_OBJECT

public:
    explicit Menu(QWidget *parent = nullptr);
    explicit Menu(const QString &title, QWidget *parent = nullptr);

    // Drops down under `anchor`, right edges aligned, kept on its screen; from
    // the keyboard with its first entry active.
    void popupUnder(const QWidget *anchor, bool selectFirst);

protected:
    bool event(QEvent *event) override;

private:
    void setup();
};

} // namespace aptui
