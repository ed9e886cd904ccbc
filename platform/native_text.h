#pragma once
#include <QByteArray>
#include <QString>

// Arguments and file names are bytes on this platform, nearly always UTF-8
// but not guaranteed to be. These two convert without loss: each byte that
// is not part of valid UTF-8 becomes the lone code unit U+DC80 + byte (the
// "surrogateescape" scheme) and is written back as that same byte, so a file
// whose name is not UTF-8 can still be opened, named and printed.
QString DecodeNativeText(const QByteArray& bytes);
QByteArray EncodeNativeText(const QString& text);
