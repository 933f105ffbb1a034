#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// How a quadro's periods are shown and created.
enum class TipoPeriodo : int {
    Intervalo = 0, // registration periods: from a date until the day before the next one
    Dia = 1,       // registers of assets: single days
    Trimestre = 2, // quarterly quadros: quarters starting 1 Jan, 1 Apr, 1 Jul, 1 Oct
};

// Periods: their texts, the quarter arithmetic, and the rows every quarter has.
namespace Periodos {

// The text of one entry of the period box. `anterior` is the day before the next
// newer period (null for the newest).
QString TextoPeriodo(TipoPeriodo modo, const QDate &anterior, const QDate &data);
QString TextoTrimestre(const QDate &inicio); // "2º Trimestre de 2007"
QString TituloGrupo(TipoPeriodo modo);       // "Período:", "Dia:", "Trimestre:"
int LarguraCaixa(TipoPeriodo modo);          // 180, 140, 130 pixels

int NumeroTrimestre(const QDate &data); // 1 to 4
QDate InicioDoTrimestre(const QDate &data);
// The quarter after the one starting at `inicio`.
QDate ProximoTrimestre(const QDate &inicio);

// The date the operator's registration starts: its earliest CADASTRO period (null when none).
QDate DataInicioOperadora(const QSqlDatabase &db, const QString &codOper);
// The first quarter an operator may report: the quarter of its registration date,
// but never before `piso`. Null when the operator has no registration yet.
QDate PrimeiroTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &piso = QDate(2001, 1, 1));
// The quarter a new one would be after the newest listed (null newest: the first quarter).
QDate TrimestreSeguinte(const QSqlDatabase &db, const QString &codOper, const QDate &maisRecente);

// Creates the rows every quarter has (header, general information, profit items,
// linked-assets placeholder) in one transaction. Rows that exist are kept, so
// running it twice changes nothing. False when the database refused; nothing is left half-done.
bool IncluiTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre);
// Deletes a quarter's untransmitted rows in one transaction. Rows already transmitted
// ("T" or "A") stay. False when the database refused; then nothing was deleted.
bool ExcluiTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre);

// What the new-period dialog says about a typed start date.
struct AvaliacaoNovaData {
    enum Situacao { Aceita, Invalida, AntesDaOperadora, Antes2001 } situacao = Aceita;
    QDate data;
    QString mensagem; // empty when accepted
};
AvaliacaoNovaData AvaliaNovaData(const QString &texto, const QDate &dtInicioOperadora);

} // namespace Periodos

} // namespace kelpa
