#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelpa {

// The record KELPA hands to the transmission client: eleven fields joined by "|",
// Windows-1252 text, enciphered with Blowfish under the client's key and written as
// letters "A" to "P" (two per byte, low half first) with no line end.
struct ParametrosVTX {
    QString versaoRegistro = QStringLiteral("1");
    QString codigoOperadora;  // digits only
    QString senha;            // the sending password, as typed
    QString arquivo;          // full path of the file to send
    QString arquivoProtocolo; // name (no path) of the protocol XML the client writes
    QString aplicativo;       // "KELPA"
    QString versaoAplicativo;
    QString extra;            // empty
    QString crc;              // CRC-32 of the file, eight upper-case hexadecimal digits
    QString janela;           // window handle of the calling dialog, in decimal
    QString ultimoPeriodo;    // latest quarter of the database, "dd/mm/yyyy"

    static constexpr int QuantidadeCampos = 11;

    QStringList campos() const;
    QString texto() const; // the fields joined by "|"
    // nullopt unless the text has exactly eleven fields.
    static std::optional<ParametrosVTX> deTexto(const QString &texto);

    // The parameter file's content.
    QByteArray cifrar() const;
    // What the client does with the file: nullopt when it is not letters of whole
    // blocks or does not hold eleven fields.
    static std::optional<ParametrosVTX> decifrar(const QByteArray &letras);
};

// The cipher's key and the letter encoding of enciphered bytes.
namespace CodificacaoVTX {

QByteArray chave(); // "MHRYBOGUZIKXEWJT"

// Each byte b becomes "A" + (b mod 16), then "A" + (b div 16).
QByteArray paraLetras(const QByteArray &bytes);
// nullopt for an odd length or a character outside "A" to "P".
std::optional<QByteArray> deLetras(const QByteArray &letras);

QByteArray cifrar(const QByteArray &claro);
// The plain bytes with the zero padding removed.
std::optional<QByteArray> decifrar(const QByteArray &letras);

} // namespace CodificacaoVTX

// The parameter file's name: operator code, "-", milliseconds since the machine
// started (a signed 32-bit number), "-", the fraction of that number divided by 7
// rounded to an integer and written with five digits ("00001" when the remainder is
// 4, 5 or 6), ".par".
QString nomeArquivoParametros(const QString &codigoOperadora, qint32 milissegundosDesdeInicio);
// Milliseconds since boot (suspended time included), wrapped into a signed 32-bit number.
qint32 milissegundosDesdeInicio();

} // namespace kelpa
