#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kelpa {

// The tables of a registration quadro kept by period: a header row per period and,
// for the list quadros, the period's rows. A quadro whose only table is the header
// (one row per period) leaves `linhas` empty.
struct TabelasPeriodo {
    QString cabecalho;                 // "QUADROADMINISTRADORES"
    QStringList colunasCabecalho;      // header columns a copy keeps, besides the key and the transmission state
    QString linhas;                    // "ADMINISTRADORES"; empty when the header is all
    QStringList colunasLinhas;         // row columns a copy keeps
    // Values a new empty period's header starts with (column, value), besides the key.
    QList<QPair<QString, QVariant>> iniciaisCabecalho = {};
};

// Creating, copying and deleting the periods of a registration quadro, each in one
// transaction. Every row created or copied is never transmitted ("N"); deleting the
// newest period removes its untransmitted rows, and its header only when no row of
// it remains, so data already sent are never lost.
class PeriodosQuadroCadastro
{
public:
    PeriodosQuadroCadastro(const QSqlDatabase &db, QString codOper, TabelasPeriodo tabelas);

    // The periods, newest first. An operator with a registration but no period yet
    // gets its first one at the registration date, not before 2001.
    QList<QDate> Periodos();
    // The date a registration quadro's first period starts: the operator's first
    // registration period, not before 01/01/2001; null when it has no registration.
    static QDate PrimeiroPeriodo(const QSqlDatabase &db, const QString &codOper);

    bool Existe(const QDate &data) const;
    // The newest period before `data` (null when none): what a copy starts from.
    QDate PeriodoAnterior(const QDate &data) const;
    // A new empty period. False when the date already is a period.
    bool IncluiPeriodo(const QDate &data);
    // A new period with the rows of the newest period before it (an empty one when
    // there is none). False when the date already is a period; a database failure
    // throws ErroBanco and leaves nothing of the copy.
    bool CopiaPeriodo(const QDate &data);
    // True when the period is gone; false when transmitted rows keep it.
    bool ExcluiPeriodo(const QDate &data);

    // The period's rows of one person: whether there is any, and deleting them in one transaction.
    bool PessoaNoPeriodo(const QDate &data, int idPsoa) const;
    void ExcluiPessoa(const QDate &data, int idPsoa);

    const TabelasPeriodo &tabelas() const { return m_tabelas; }

private:
    void insereCabecalho(const QDate &data);

    QSqlDatabase m_db;
    QString m_codOper;
    TabelasPeriodo m_tabelas;
};

} // namespace kelpa
