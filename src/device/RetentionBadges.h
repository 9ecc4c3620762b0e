#pragma once

#include "model/RetentionPolicy.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace NM_Vantor {

// The badges of a group's own retention in its card's header: small tags
// ("90 d", "events 335 d", "sub 30 d", "audio"), each with the whole policy
// in words as its tool tip. The labels are made once: the list sets one card
// up for row after row.
class RetentionBadges : public QWidget
{
    Q_OBJECT

public:
    explicit RetentionBadges(QWidget *parent);

    // Shows every badge of the policy; none for a policy not of its own.
    void setPolicy(const RetentionPolicy &policy);
    // The badges the policy has.
    int count() const { return m_count; }
    // Shows only the first ones, where the header has no room for them all.
    void showFirst(int shown);
    int shownCount() const { return m_shown; }

private:
    QList<QLabel *> m_labels;
    int m_count = 0;
    int m_shown = 0;
};

} // namespace NM_Vantor
