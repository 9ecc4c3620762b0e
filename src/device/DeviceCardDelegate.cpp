#include "device/DeviceCardDelegate.h"

#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "model/RetentionPolicyText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QToolTip>

using NM_Vantor::DeviceItemWidget;

namespace {

// Rows keep the width hint the list has always given them; the view
// stretches them to its width.
constexpr int kRowWidthHint = 50;
constexpr int kDefaultRowHeight = 84;
// The card stands this far inside its row, so that the marks of the row
// around it (hover, selection, the keyboard's frame) never touch its texts.
constexpr int kCardInset = 6;
constexpr int kButtonHovered = 1;
constexpr int kButtonPressed = 2;

} // namespace

DeviceCardDelegate::DeviceCardDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view), m_view(view), m_viewport(view->viewport()), m_rowHeight(kDefaultRowHeight)
{
    view->setItemDelegate(this);
    view->setMouseTracking(true);
    view->viewport()->setAttribute(Qt::WA_Hover);
    view->viewport()->installEventFilter(this);
}

DeviceCardDelegate::~DeviceCardDelegate() = default;

void DeviceCardDelegate::setRowHeight(int height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    emit sizeHintChanged(QModelIndex());
}

const DeviceItemWidget *DeviceCardDelegate::cardForRow(int row) const
{
    const QAbstractItemModel *model = m_view->model();
    if (row < 0 || row >= model->rowCount())
        return nullptr;
    const QModelIndex index = model->index(row, 0);
    QStyleOptionViewItem option = optionFor(index);
    initItemOption(&option, index);
    return stampFor(index, cardRect(option).size());
}

QStyleOptionViewItem DeviceCardDelegate::optionFor(const QModelIndex &index) const
{
    QStyleOptionViewItem option;
    option.initFrom(m_view->viewport());
    option.widget = m_view;
    option.rect = m_view->visualRect(index);
    return option;
}

QRect DeviceCardDelegate::deleteButtonRect(const QModelIndex &index) const
{
    if (!index.isValid())
        return QRect();
    QStyleOptionViewItem option = optionFor(index);
    initItemOption(&option, index);
    const QRect rect = cardRect(option);
    if (rect.isEmpty())
        return QRect();
    const DeviceItemWidget *stamp = stampFor(index, rect.size());
    const QToolButton *button = stamp->deleteButton();
    return QRect(button->mapTo(stamp, QPoint(0, 0)) + rect.topLeft(), button->size());
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
    // The rectangle an item view gives any widget on an item, inset.
    QStyleOptionViewItem option = itemOption;
    option.showDecorationSelected = true;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).adjusted(kCardInset, 0, -kCardInset, 0);
}

int DeviceCardDelegate::buttonState(const QModelIndex &index) const
{
    if (m_pressedButton.isValid() && m_pressedButton == index && m_hoveredButton == index)
        return kButtonPressed;
    return m_hoveredButton.isValid() && m_hoveredButton == index ? kButtonHovered : 0;
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
    // The style sheet's hover and pressed looks of the button follow these.
    const int state = buttonState(index);
    QToolButton *button = m_stamp->deleteButton();
    button->setAttribute(Qt::WA_UnderMouse, state != 0);
    button->setDown(state == kButtonPressed);
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
    if (itemOption.state & QStyle::State_HasFocus) {
        // The keyboard's row: the list draws no focus frame of its own.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        QPen pen(itemOption.palette.color(QPalette::Active, QPalette::Highlight), 1.5);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(itemOption.rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        painter->restore();
    }
}

void DeviceCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem itemOption = option;
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
    const QString key = QStringLiteral("%1/%2x%3/%4/%5/%6/%7/%8/%9")
                            .arg(index.data(DeviceListModel::IdRole).toLongLong())
                            .arg(option.rect.width())
                            .arg(option.rect.height())
                            .arg(int(option.state & stateBits))
                            .arg(ratio)
                            .arg(index.data(DeviceListModel::RateConvertedRole).toBool())
                            .arg(buttonState(index))
                            .arg(index.data(Qt::DisplayRole).toString(), item.strDeviceType) +
                        // The badges are drawn; a policy's other fields are not.
                        QLatin1Char('/') + RetentionPolicyText::badges(item.policy).join(QLatin1Char('|'));
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

bool DeviceCardDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);

    // A painted card answers as a real one would: the tool tip of the part
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

void DeviceCardDelegate::updateRow(const QModelIndex &index)
{
    if (index.isValid())
        m_view->update(index);
}

void DeviceCardDelegate::setHoveredButton(const QModelIndex &index)
{
    if (index == m_hoveredButton)
        return;
    updateRow(m_hoveredButton);
    m_hoveredButton = index;
    updateRow(m_hoveredButton);
}

bool DeviceCardDelegate::editorEvent(QEvent *event, QAbstractItemModel *, const QStyleOptionViewItem &,
                                     const QModelIndex &index)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool onButton = deleteButtonRect(index).contains(mouse->position().toPoint());
    if (mouse->button() != Qt::LeftButton)
        return onButton;
    switch (type) {
    case QEvent::MouseButtonPress:
        if (!onButton)
            return false;
        m_pressedButton = index;
        // The row of the button becomes the current one, so that the list
        // goes on from there once the group is gone.
        m_view->setCurrentIndex(index);
        updateRow(index);
        return true;
    case QEvent::MouseButtonRelease: {
        const QPersistentModelIndex pressed = m_pressedButton;
        m_pressedButton = QPersistentModelIndex();
        updateRow(pressed);
        if (!onButton || !pressed.isValid() || pressed != index)
            return onButton;
        const long long id = index.data(DeviceListModel::IdRole).toLongLong();
        const int number = index.data(DeviceListModel::GroupRole).value<StructDeviceItem>().iChannelGroupNumber;
        // Once the view is done with this click: the row goes away.
        QMetaObject::invokeMethod(
            this, [this, id, number] { emit deleteClicked(id, number); }, Qt::QueuedConnection);
        return true;
    }
    default:
        // The second click of a double click is no click of the button: the
        // row under it may be another group's by now.
        return onButton;
    }
}

bool DeviceCardDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // While the view is being destroyed its viewport may still send events;
    // the view is no item view any more then and may not be asked anything.
    if (watched != m_viewport || !qobject_cast<QAbstractItemView *>(m_viewport->parentWidget()))
        return false;
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
    case QEvent::HoverMove: {
        const QPoint pos = static_cast<QHoverEvent *>(event)->position().toPoint();
        const QModelIndex index = m_view->indexAt(pos);
        setHoveredButton(deleteButtonRect(index).contains(pos) ? index : QModelIndex());
        break;
    }
    case QEvent::HoverLeave:
    case QEvent::Leave:
        setHoveredButton(QModelIndex());
        break;
    default:
        break;
    }
    return false;
}
