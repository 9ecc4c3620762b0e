#include "host/GuiInit.h"

#include <QTextCodec>

namespace FenwaGUIToolkit {

namespace {
QTextCodec *s_codec = nullptr;
QLocale s_locale;
} // namespace

void InitGuiTextCodec(QTextCodec *codec)
{
    s_codec = codec;
    if (codec)
        QTextCodec::setCodecForLocale(codec);
}

QTextCodec *GuiTextCodec()
{
    return s_codec ? s_codec : QTextCodec::codecForName("UTF-8");
}

void InitGuiLocale(const QLocale &locale)
{
    s_locale = locale;
    QLocale::setDefault(locale);
}

QLocale GuiLocale()
{
    return s_locale;
}

} // namespace FenwaGUIToolkit
