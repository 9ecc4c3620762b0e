#include "support/DesktopOpenRecorder.h"

#include <QDesktopServices>

DesktopOpenRecorder::DesktopOpenRecorder(const QStringList &schemes, QObject *parent)
    : QObject(parent), m_schemes(schemes)
{
    for (const QString &scheme : m_schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

DesktopOpenRecorder::~DesktopOpenRecorder()
{
    for (const QString &scheme : m_schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void DesktopOpenRecorder::open(const QUrl &url)
{
    m_urls.append(url);
}
