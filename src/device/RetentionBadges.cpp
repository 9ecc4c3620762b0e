#include "device/RetentionBadges.h"

#include "aptui/PlainToolTip.h"
#include "model/RetentionPolicyText.h"

#include <QHBoxLayout>
#include <QLabel>

namespace NM_Vantor {

namespace {

// Retention, events, sub-stream and audio.
constexpr int kMaxBadges = 4;
constexpr int kBadgeSpacing = 4;

} // namespace

RetentionBadges::RetentionBadges(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("m_widgetRetentionBadges"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kBadgeSpacing);
    for (int i = 0; i < kMaxBadges; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("m_labelRetentionBadge"));
        label->setTextFormat(Qt::PlainText);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        label->hide();
        // Its outline hugs the text rather than filling the header's height.
        row->addWidget(label, 0, Qt::AlignVCenter);
        m_labels.append(label);
    }
    hide();
}

void RetentionBadges::setPolicy(const RetentionPolicy &policy)
{
    const QStringList badges = RetentionPolicyText::badges(policy);
    const QString toolTip = badges.isEmpty() ? QString() : aptui::plainToolTip(RetentionPolicyText::spoken(policy));
    m_count = int(qMin(badges.size(), m_labels.size()));
    for (int i = 0; i < m_count; ++i) {
        m_labels.at(i)->setText(badges.at(i));
        m_labels.at(i)->setToolTip(toolTip);
    }
    showFirst(m_count);
}

void RetentionBadges::showFirst(int shown)
{
    m_shown = qBound(0, shown, m_count);
    for (int i = 0; i < m_labels.size(); ++i)
        m_labels.at(i)->setVisible(i < m_shown);
    setVisible(m_shown > 0);
    // The header's layout keeps this widget's last size hint, and the card is
    // laid out at once, without the events that would tell it of the change.
    updateGeometry();
}

} // namespace NM_Vantor
