#pragma once

#include <QLocale>

class QTextCodec;

namespace FenwaGUIToolkit {

// Codec the toolkit decodes 8-bit text files with (CFile::ReadAll). Also made
// the process's locale codec, so that every text stream agrees with it.
void InitGuiTextCodec(QTextCodec *codec);
QTextCodec *GuiTextCodec();

// Locale of the toolkit widgets; becomes the default locale of the process.
void InitGuiLocale(const QLocale &locale);
QLocale GuiLocale();

} // namespace FenwaGUIToolkit
