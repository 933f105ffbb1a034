#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kelpa {

// The submission file and the transmission parameters are read by the regulator's
// programs as single-byte Windows-1252 text. This is the one encoder: Latin-1 plus
// the printable characters of 0x80-0x9F; anything else becomes "?", one "?" per
// character (a character outside the BMP is one "?", not two).
namespace Win1252 {

// The byte for one Unicode code point; '?' when the code page has none.
char byteDe(char32_t codigo);

QByteArray codificar(QStringView texto);
// Appends the Windows-1252 bytes of UTF-8 text (as SQLite hands it out) without
// going through QString; malformed UTF-8 sequences become "?".
void anexarUtf8(QByteArray &destino, QByteArrayView utf8);

// Bytes of the undefined positions 0x81, 0x8D, 0x8F, 0x90 and 0x9D decode to U+FFFD.
QString decodificar(QByteArrayView bytes);

} // namespace Win1252

} // namespace kelpa
