#pragma once

#include "PeriodosQuadroCadastro.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kelpa {

// One of the three professionals or firms answering for the operator's accounts.
struct ResponsavelBasico {
    int tipo = 0;     // ID_RPSV: 1 accounting, 2 actuarial, 3 audit
    int idPsoa = -1;  // the chosen person; -1 when none
    QString nome;     // shown only
    QString registro; // NR_REGS_RPSV
    // What is stored for this kind in the period (no row: `gravado` false).
    bool gravado = false;
    QString estadoTransmissao;

    bool preenchido() const { return idPsoa > 0; }
};

// One period of Quadro 2.
struct PeriodoDadosBasicos {
    QDate periodo;
    bool existe = false;
    QDate fundacao;
    std::optional<qint64> funcionarios;
    double capitalProprio = 0.0;
    QString estadoTransmissao;
    std::array<ResponsavelBasico, 3> responsaveis;

    ResponsavelBasico &responsavel(int tipo) { return responsaveis.at(static_cast<size_t>(tipo - 1)); }
    const ResponsavelBasico &responsavel(int tipo) const { return responsaveis.at(static_cast<size_t>(tipo - 1)); }
};

// Quadro 2, basic registration data: foundation, employees and the responsible
// persons, one set per validity period. Every change is saved in one transaction.
class DadosBasicos
{
public:
    DadosBasicos(const QSqlDatabase &db, QString codOper);

    // The periods, newest first. An operator with a registration but no period yet
    // gets its first one at the registration date, not before 2001.
    QList<QDate> Periodos();

    // Foundation date and employees are asked only for periods before 2005.
    static bool MostraFundacao(const QDate &periodo);
    // Plan administrators have no actuarial responsible from 2005 on.
    static bool MostraAtuaria(const QDate &periodo, const QString &modalidade);
    // Sponsored self-management operators do not fill the quadro from 2005 on.
    static bool Dispensada(const QDate &periodo, const QString &modalidade, const QString &submodalidade);
    // Removes every actuarial responsible from 2005 on of a plan administrator (whatever
    // its transmission state). Returns how many rows went.
    int RemoveAtuariaAdministradora(const QString &modalidade);

    PeriodoDadosBasicos Carrega(const QDate &periodo) const;
    // The items the filling-error notice lists; empty when the period may be saved.
    static QStringList ItensFaltantes(const PeriodoDadosBasicos &dados);
    // A responsible may be taken out only while its row was never transmitted.
    static bool PodeRetirar(const ResponsavelBasico &responsavel);
    // Saves the period in one transaction. Only rows whose values changed are
    // written, and a changed row that was transmitted becomes "A".
    void Grava(const PeriodoDadosBasicos &dados);

    // False when the date already is a period.
    bool IncluiPeriodo(const QDate &data);
    // A new period with the previous period's data and responsibles (never transmitted).
    // False when the date already is a period.
    bool CopiaPeriodo(const QDate &data);
    // Deletes the period's untransmitted rows; the period stays while any transmitted
    // row remains. True when the period is gone.
    bool ExcluiPeriodo(const QDate &data);

private:
    // Listing, creating and copying periods go the way of every registration quadro.
    PeriodosQuadroCadastro periodos() const;

    QSqlDatabase m_db;
    QString m_codOper;
};

} // namespace kelpa
