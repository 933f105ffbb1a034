#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace kelpa::FormatacaoExportacao {

// How a result column is written, decided by its declared type (SQLite keeps the
// type words of the schema: TEXT(n), INTEGER, DOUBLE, DATE).
enum class TipoCampo {
    Texto,
    Inteiro,
    Real,
    Data,
    Outro,      // boolean, time, blobs: written empty
    SemDeclaracao, // an expression: formatted by the value it holds
};

TipoCampo tipoPorDeclaracao(QByteArrayView declaracao);

// The pieces of a data record, appended to `destino` as Windows-1252 bytes.
// Text: line feeds, carriage returns and "|" become blanks, so a value never breaks
// the record or its columns.
void anexarTexto(QByteArray &destino, QByteArrayView utf8);
void anexarInteiro(QByteArray &destino, qint64 valor);
// "0.00" with "." whatever the locale, no thousands separator, rounded half away from
// zero on the value's 15 significant digits (1.005 gives 1.01, as typed); never "-0.00".
void anexarReal(QByteArray &destino, double valor);
// ISO "YYYY-MM-DD" (with or without a time part) to "dd/mm/yyyy"; nothing for
// anything that is not a valid date.
void anexarData(QByteArray &destino, QByteArrayView iso);

// Records longer than this are written in fractions.
constexpr qsizetype LimiteRegistro = 1950;
constexpr qsizetype PrimeiraFracao = 1933;

// The lines of one data record (`registro` = prefix + "3" + values), without line
// ends: the record itself when it fits, otherwise its fractions.
QList<QByteArray> linhasDoRegistro(const QByteArray &registro, const QByteArray &prefixo);

} // namespace kelpa::FormatacaoExportacao
