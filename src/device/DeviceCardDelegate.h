#pragma once

#include <QCache>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QString>
#include <QStyledItemDelegate>

#include <memory>

class QAbstractItemView;

namespace NM_Vantor {
class DeviceItemWidget;
}

// Paints the rows of a DeviceListModel as the cards of their groups and finds
// the delete button of a row under the mouse. No row has a widget of its own:
// one hidden card, set up for each row in turn, is the template every row is
// drawn from, so nothing is made or destroyed as the mouse, the focus or a
// dialog comes and goes, and thousands of rows cost one card.
class DeviceCardDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Installs itself on the view and follows the mouse over it.
    explicit DeviceCardDelegate(QAbstractItemView *view);
    ~DeviceCardDelegate() override;

    // Every row is this high; the cards are as wide as the view.
    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }

    // The card the row is drawn from, set up for that row; none for a row that
    // is not there. It is shared by all rows and never shown.
    const NM_Vantor::DeviceItemWidget *cardForRow(int row) const;
    // Where the row's delete button is drawn, in the view's viewport.
    QRect deleteButtonRect(const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

signals:
    // A row's delete button was clicked; told once the click is over.
    void deleteClicked(long long id, int channelGroupNumber);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The item as the list draws it under a card: no text of its own.
    void initItemOption(QStyleOptionViewItem *option, const QModelIndex &index) const;
    QRect cardRect(const QStyleOptionViewItem &itemOption) const;
    QStyleOptionViewItem optionFor(const QModelIndex &index) const;
    // The list's background colour when it is opaque; invalid otherwise.
    QColor opaqueBackdrop() const;
    // The row's background and its card, drawn in place.
    void drawRow(QPainter *painter, const QStyleOptionViewItem &itemOption, const QModelIndex &index) const;
    // The hidden card, showing the row at that size, its delete button as
    // the mouse leaves it.
    NM_Vantor::DeviceItemWidget *stampFor(const QModelIndex &index, const QSize &size) const;
    // The button's look: 1 under the mouse, 2 held down.
    int buttonState(const QModelIndex &index) const;
    void setHoveredButton(const QModelIndex &index);
    void updateRow(const QModelIndex &index);

    QAbstractItemView *m_view = nullptr;
    // Kept apart: while the view is being destroyed its viewport still sends
    // events, and the view can no longer be asked for it.
    QWidget *m_viewport = nullptr;
    int m_rowHeight = 0;
    mutable std::unique_ptr<NM_Vantor::DeviceItemWidget> m_stamp;
    // Images of the rows last drawn, by row, size, state and content.
    mutable QCache<QString, QPixmap> m_rowImages;
    // The row whose delete button is under the mouse, and the one it was
    // pressed on.
    QPersistentModelIndex m_hoveredButton;
    QPersistentModelIndex m_pressedButton;
};
