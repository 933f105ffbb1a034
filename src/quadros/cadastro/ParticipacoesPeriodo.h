#pragma once

#include "PeriodosQuadroCadastro.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// A shareholding of a registration list kept by period: a holder of the operator's
// shares (Quadro 5) or a company whose shares the operator holds (Quadro 6).
// Quantities are whole numbers of shares, kept exact.
struct Participacao {
    int sequencia = 0; // NR_SEQL_PART / NR_SEQL_PTPD; 0 for a row not yet saved
    int idPsoa = 0;    // 0: no person chosen yet
    // The person's own data, shown only.
    QString nome;
    QString documento;
    QString tipoPessoa; // "F" natural, "J" legal

    qint64 quantidade = 0;
    qint64 totalEmpresa = 0; // the company's total (Quadro 6 only)
    QString redePropria;     // LG_REDE_PPIO as stored
    QString estadoTransmissao;

    // "FÍSICA", "JURÍDICA" or "N/A", as the lists name the kind of person.
    QString textoTipoPessoa() const;
};

// The rows of one shareholding table of a period: listed with their persons, saved
// one at a time (a person at most once a period) and deleted, each in one transaction.
class ParticipacoesPeriodo
{
public:
    struct Tabela {
        QString nome;         // "PARTICIPACOES"
        QString sequencia;    // "NR_SEQL_PART"
        QString totalEmpresa; // "QT_TOTL_ACAO_PTPD"; empty when the table has none
    };
    enum class Ordem { Nome, Documento, RedePropria, Quantidade, TotalEmpresa };

    // `periodos` keeps the table's periods (and outlives this object).
    ParticipacoesPeriodo(const QSqlDatabase &db, QString codOper, Tabela tabela, const PeriodosQuadroCadastro &periodos);

    QList<Participacao> Lista(const QDate &periodo, Ordem ordem = Ordem::Nome, bool decrescente = false) const;
    // The period's quantities added up exactly.
    qint64 Soma(const QDate &periodo) const;

    // Saves the row in one transaction: a new one (sequence 0) gets the period's next
    // sequence and "N"; an edit gets "A" when it had been transmitted. False, with
    // nothing written, when a new row's person already is in the period.
    bool Grava(const QDate &periodo, Participacao &p);

    // A stored share quantity (a DOUBLE column) as the whole number it stands for.
    static qint64 Quantidade(double armazenado);
    // parte / total × 100 with two decimals ("25,00"); "0,00" when either is 0.
    static QString Percentual(qint64 parte, qint64 total);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    Tabela m_tabela;
    const PeriodosQuadroCadastro &m_periodos;
};

} // namespace kelpa
