#pragma once

#include <QString>
#include <QVariant>

namespace kelpa {

enum class TipoDocumento { Cnpj = 0, Cpf = 1 };

// `texto` preceded by as many "0" as it lacks to reach `tamanho`.
QString CompletaZeros(const QString &texto, int tamanho);

// Check-digit test of a CPF (11 digits) or CNPJ (14 characters). A CPF is digits
// only. A CNPJ may also be the alphanumeric kind issued from July 2026: upper-case
// letters and digits in the first twelve places (each worth its code minus 48),
// two numeric check digits.
bool DocumentoValido(const QString &texto, TipoDocumento tipo);
bool DocumentoValido(const QString &texto, int tipo);

// The value, or the default when the value counts as empty: null or empty; a date
// before 1 January 1901; the text of an empty date box ("  /  /    ").
QVariant ValorOuPadrao(const QVariant &valor, const QVariant &padrao);

// A stored document as people read it: 11 characters as a CPF ("123.456.789-01"),
// 14 as a CNPJ ("11.222.333/0001-81"), anything else as stored (trimmed).
QString FormataDocumento(const QString &armazenado);

// The transmission state a row gets when it is saved after an edit: a row that was
// transmitted ("T") or already changed after transmission ("A") becomes "A";
// anything else stays never-transmitted ("N").
QString EstadoTransmissaoAoGravar(const QString &estadoAnterior);

// A code read as a number greater than 30000 is a plan operator; lower codes and
// anything that is not a number are insurers.
bool EhOperadoraDePlanos(const QString &codigoOperadora);

} // namespace kelpa
