#include "aptui/CoverWidget.h"

#include <QHBoxLayout>

namespace aptui {

CoverWidget::CoverWidget(QWidget *parent) : Widget(parent)
{
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_cover = new QWidget(this);
    m_cover->setObjectName(QStringLiteral("m_cover"));
    m_layout->addWidget(m_cover);

    setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace aptui
