#include "device/DeviceCardDelegate.h"

#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

using NM_Vantor::DeviceItemWidget;

namespace {

// Rows keep the width hint the list has always given them; the view
// stretches them to its width.
constexpr int kRowWidthHint = 50;
constexpr int kDefaultRowHeight = 84;

} // namespace

DeviceCardDelegate::DeviceCardDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view), m_view(view), m_rowHeight(kDefaultRowHeight)
{
    view->setItemDelegate(this);
    // Cards are opened by the delegate only, never by a click or a key.
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->viewport()->setAttribute(Qt::WA_Hover);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    // A scroll or a removed row may bring another row under a resting mouse.
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, &DeviceCardDelegate::scheduleSync);

    QAbstractItemModel *model = view->model();
    Q_ASSERT(model);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        if (m_keyIndex.isValid() && m_keyIndex.row() >= first && m_keyIndex.row() <= last)
            m_removedKeyRow = first;
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &DeviceCardDelegate::scheduleSync);
    connect(model, &QAbstractItemModel::rowsInserted, this, &DeviceCardDelegate::scheduleSync);
    connect(model, &QAbstractItemModel::modelReset, this, &DeviceCardDelegate::scheduleSync);
}

DeviceCardDelegate::~DeviceCardDelegate() = default;

void DeviceCardDelegate::setRowHeight(int height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    emit sizeHintChanged(QModelIndex());
}

DeviceItemWidget *DeviceCardDelegate::cardForRow(int row)
{
    QAbstractItemModel *model = m_view->model();
    if (row < 0 || row >= model->rowCount())
        return nullptr;
    const QModelIndex index = model->index(row, 0);
    setHoverIndex(index);
    return cardAt(index);
}

void DeviceCardDelegate::initItemOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    initStyleOption(option, index);
    // The display text is there for screen readers; the card shows the texts.
    option->text.clear();
    option->features &= ~QStyleOptionViewItem::HasDisplay;
}

QRect DeviceCardDelegate::cardRect(const QStyleOptionViewItem &itemOption) const
{
    // The rectangle an item view gives any widget on an item, so that painted
    // and real cards lie exactly where the cards have always been.
    QStyleOptionViewItem option = itemOption;
    option.showDecorationSelected = true;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget);
}

DeviceItemWidget *DeviceCardDelegate::stampFor(const QModelIndex &index, const QSize &size) const
{
    if (!m_stamp) {
        // Without a parent the card is a hidden window of its own, so drawing
        // it lays out only the card and not the window around the list.
        m_stamp = std::make_unique<DeviceItemWidget>(nullptr, QString(), QString());
    }
    m_stamp->showGroup(index.data(DeviceListModel::IdRole).toLongLong(),
                       index.data(DeviceListModel::GroupRole).value<StructDeviceItem>(),
                       index.data(DeviceListModel::RateConvertedRole).toBool());
    m_stamp->layoutAt(size);
    return m_stamp.get();
}

QColor DeviceCardDelegate::opaqueBackdrop() const
{
    // The skin gives the list a background of one colour; anything else, a
    // transparent list over the panel for one, cannot be drawn into a row image.
    const QWidget *viewport = m_view->viewport();
    const QBrush brush = viewport->palette().brush(viewport->backgroundRole());
    if (brush.style() == Qt::SolidPattern && brush.color().alpha() == 255)
        return brush.color();
    return QColor();
}

void DeviceCardDelegate::drawRow(QPainter *painter, const QStyleOptionViewItem &itemOption,
                                 const QModelIndex &index) const
{
    const QWidget *widget = itemOption.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // Background, hover, selection and the dividing line of the row.
    style->drawControl(QStyle::CE_ItemViewItem, &itemOption, painter, widget);
    const QRect rect = cardRect(itemOption);
    if (rect.isEmpty())
        return;
    DeviceItemWidget *stamp = stampFor(index, rect.size());
    // Placed by the painter's own transformation: with an offset alone, a
    // painter redirected into the window would put the card at the window's
    // corner instead of into the row.
    painter->save();
    painter->translate(rect.topLeft());
    stamp->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter->restore();
}

void DeviceCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem itemOption = option;
    if (cardAt(index)) {
        // The real card draws itself on top of the row.
        initItemOption(&itemOption, index);
        const QWidget *widget = option.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &itemOption, painter, widget);
        return;
    }
    const QColor backdrop = opaqueBackdrop();
    if (!backdrop.isValid() || option.rect.isEmpty()) {
        initItemOption(&itemOption, index);
        drawRow(painter, itemOption, index);
        return;
    }

    // Drawing a card costs a hundred times more than drawing its image, and
    // every add or scroll repaints all visible rows: keep their images. On
    // the list's own opaque background they come out exactly as drawn in place.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const auto item = index.data(DeviceListModel::GroupRole).value<StructDeviceItem>();
    constexpr auto stateBits = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected |
                               QStyle::State_MouseOver | QStyle::State_HasFocus;
    const QString key = QStringLiteral("%1/%2x%3/%4/%5/%6/%7/%8")
                            .arg(index.data(DeviceListModel::IdRole).toLongLong())
                            .arg(option.rect.width())
                            .arg(option.rect.height())
                            .arg(int(option.state & stateBits))
                            .arg(ratio)
                            .arg(index.data(DeviceListModel::RateConvertedRole).toBool())
                            .arg(item.strFrameRate)
                            .arg(item.dBitrate, 0, 'g', 17);
    if (const QPixmap *image = m_rowImages.object(key)) {
        painter->drawPixmap(option.rect.topLeft(), *image);
        return;
    }
    initItemOption(&itemOption, index);
    auto *image = new QPixmap(option.rect.size() * ratio);
    image->setDevicePixelRatio(ratio);
    image->fill(backdrop);
    {
        itemOption.rect.moveTopLeft(QPoint(0, 0));
        QPainter imagePainter(image);
        drawRow(&imagePainter, itemOption, index);
    }
    painter->drawPixmap(option.rect.topLeft(), *image);
    // Room for the rows of two screens; the oldest images go first.
    const QSize screen = m_view->viewport()->size() * ratio;
    m_rowImages.setMaxCost(qMax(1, int(2LL * screen.width() * screen.height() * 4 / 1024)));
    m_rowImages.insert(key, image, qMax(1, int(qint64(image->width()) * image->height() * 4 / 1024)));
}

QSize DeviceCardDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(kRowWidthHint, m_rowHeight);
}

QWidget *DeviceCardDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const auto item = index.data(DeviceListModel::GroupRole).value<StructDeviceItem>();
    auto *card = new DeviceItemWidget(parent, item.strDeviceType, item.strChannelName, item.strExtraText);
    connect(card, &DeviceItemWidget::signalDeleteClicked, this, &DeviceCardDelegate::deleteClicked);
    return card;
}

void DeviceCardDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *card = qobject_cast<DeviceItemWidget *>(editor)) {
        card->showGroup(index.data(DeviceListModel::IdRole).toLongLong(),
                        index.data(DeviceListModel::GroupRole).value<StructDeviceItem>(),
                        index.data(DeviceListModel::RateConvertedRole).toBool());
    }
}

void DeviceCardDelegate::setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const
{
    // A card edits nothing; its only action is the delete signal.
}

void DeviceCardDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &index) const
{
    QStyleOptionViewItem itemOption = option;
    initItemOption(&itemOption, index);
    editor->setGeometry(cardRect(itemOption));
}

void DeviceCardDelegate::destroyEditor(QWidget *editor, const QModelIndex &) const
{
    // At once, as the list has always removed its cards: the card of a deleted
    // group is gone when the delete returns.
    delete editor;
}

bool DeviceCardDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);

    // A painted card answers as the real one would: the tool tip of the part
    // under the mouse, made from the row's data.
    QStyleOptionViewItem itemOption = option;
    initItemOption(&itemOption, index);
    const QRect rect = cardRect(itemOption);
    DeviceItemWidget *stamp = stampFor(index, rect.size());
    QWidget *part = stamp->childAt(event->pos() - rect.topLeft());
    while (part && part != stamp && part->toolTip().isEmpty())
        part = part->parentWidget();
    if (!part || part == stamp) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const QRect partRect(part->mapTo(stamp, QPoint(0, 0)) + rect.topLeft(), part->size());
    QToolTip::showText(event->globalPos(), part->toolTip(), view->viewport(), partRect);
    return true;
}

bool DeviceCardDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::FocusIn) {
        // Tab into the list lands on the keyboard's card.
        if (DeviceItemWidget *card = cardAt(m_keyIndex))
            card->deleteButton()->setFocus(static_cast<QFocusEvent *>(event)->reason());
        return false;
    }
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::LanguageChange:
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::LayoutDirectionChange:
            // The cards read differently now.
            m_rowImages.clear();
            break;
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            setHoverIndex(m_view->indexAt(static_cast<QHoverEvent *>(event)->position().toPoint()));
            break;
        case QEvent::HoverLeave:
            setHoverIndex(QModelIndex());
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Delete on a card's button deletes that card's group, as a click does.
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
                button->click();
                return true;
            }
        }
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier)))
                return moveKeyRow(watched, -1);
            if (key->key() == Qt::Key_Tab)
                return moveKeyRow(watched, 1);
        }
    }
    // Cards are no editors that commit or close on focus changes: nothing of
    // the base class's editor handling applies.
    return false;
}

DeviceItemWidget *DeviceCardDelegate::cardAt(const QModelIndex &index) const
{
    return index.isValid() ? qobject_cast<DeviceItemWidget *>(m_view->indexWidget(index)) : nullptr;
}

DeviceItemWidget *DeviceCardDelegate::openCard(const QModelIndex &index)
{
    DeviceItemWidget *card = cardAt(index);
    if (!card) {
        m_view->openPersistentEditor(index);
        card = cardAt(index);
        if (!card)
            return nullptr;
        card->deleteButton()->installEventFilter(this);
    }
    // The list stands in the tab order for its cards and hands its focus on to
    // the keyboard's card (eventFilter); from there Tab walks the rows (moveKeyRow). The
    // buttons themselves stay out of the window's tab order, which would reach
    // them only after everything else.
    card->deleteButton()->setFocusPolicy(Qt::ClickFocus);
    return card;
}

void DeviceCardDelegate::setHoverIndex(const QModelIndex &index)
{
    if (index == m_hoverIndex)
        return;
    const QPersistentModelIndex old = m_hoverIndex;
    m_hoverIndex = index;
    if (old.isValid() && old != m_keyIndex)
        m_view->closePersistentEditor(old);
    if (index.isValid())
        openCard(index);
}

void DeviceCardDelegate::setKeyRow(int row, bool closeLater)
{
    const QModelIndex index = m_view->model()->index(row, 0);
    const QPersistentModelIndex old = m_keyIndex;
    m_keyIndex = index;
    openCard(index);
    if (!old.isValid() || old == m_keyIndex)
        return;
    if (old == m_hoverIndex)
        return; // The mouse is still on it.
    if (!closeLater) {
        m_view->closePersistentEditor(old);
        return;
    }
    // The old card is still handling the key that moved the keyboard on.
    QMetaObject::invokeMethod(
        this,
        [this, old] {
            if (old.isValid() && old != m_keyIndex && old != m_hoverIndex)
                m_view->closePersistentEditor(old);
        },
        Qt::QueuedConnection);
}

bool DeviceCardDelegate::moveKeyRow(QObject *deleteButton, int step)
{
    auto *button = qobject_cast<QWidget *>(deleteButton);
    auto *card = button ? qobject_cast<DeviceItemWidget *>(button->parentWidget()) : nullptr;
    int row = -1;
    for (const QPersistentModelIndex &index : {m_keyIndex, m_hoverIndex}) {
        if (card && index.isValid() && cardAt(index) == card)
            row = index.row();
    }
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_view->model()->rowCount())
        return leaveList(step > 0); // Past the first or last row Tab leaves the list.
    setKeyRow(target, true);
    m_view->scrollTo(m_keyIndex);
    if (DeviceItemWidget *next = cardAt(m_keyIndex))
        next->deleteButton()->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool DeviceCardDelegate::leaveList(bool forward)
{
    // The cards are made after everything else, so the window's own tab order
    // would send the focus back to its start: go on from the list instead.
    const QWidget *window = m_view->window();
    QWidget *next = m_view;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next && next != m_view &&
             (m_view->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(window) ||
              !next->isEnabled()));
    if (!next || next == m_view)
        return false;
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void DeviceCardDelegate::scheduleSync()
{
    if (m_syncQueued)
        return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(this, &DeviceCardDelegate::sync, Qt::QueuedConnection);
}

void DeviceCardDelegate::sync()
{
    m_syncQueued = false;
    QAbstractItemModel *model = m_view->model();
    const int rows = model->rowCount();
    // An empty list is passed over by Tab.
    m_view->setFocusPolicy(rows == 0 ? Qt::NoFocus : Qt::TabFocus);
    if (rows == 0) {
        m_removedKeyRow = -1;
        return;
    }
    QWidget *viewport = m_view->viewport();
    // Asking for a rectangle runs the view's pending layout first.
    m_view->visualRect(model->index(0, 0));

    const DeviceItemWidget *keyCard = cardAt(m_keyIndex);
    const bool keyInUse = keyCard && keyCard->isAncestorOf(QApplication::focusWidget());
    if (!m_keyIndex.isValid()) {
        // The keyboard stays where its row was, or starts at the top.
        setKeyRow(m_removedKeyRow >= 0 ? qMin(m_removedKeyRow, rows - 1) : 0, false);
    } else if (!keyInUse && !viewport->rect().intersects(m_view->visualRect(m_keyIndex))) {
        // A card scrolled out of sight is out of the tab order too: Tab must
        // find a row on screen.
        const QModelIndex top = m_view->indexAt(QPoint(viewport->width() / 2, 0));
        if (top.isValid())
            setKeyRow(top.row(), false);
    }
    m_removedKeyRow = -1;
    // The list itself holds the focus only until a card can take it.
    if (m_view->hasFocus()) {
        if (DeviceItemWidget *card = cardAt(m_keyIndex))
            card->deleteButton()->setFocus(Qt::OtherFocusReason);
    }

    if (viewport->underMouse())
        setHoverIndex(m_view->indexAt(viewport->mapFromGlobal(QCursor::pos())));
}
