#pragma once

#include "PeriodosQuadroCadastro.h"

#include <QPair>
#include <QStringList>
#include <optional>

namespace kelpa {

// A branch of the operator in a period of Quadro 7: a legal person of the register
// with its kind. Its name, address and phones belong to the person.
struct Dependencia {
    int idPsoa = 0; // 0: no person chosen yet
    QString nome;
    QString cnpj;
    int tipo = 0; // ID_TIPO_DPDC; 0: none chosen
    QString nomeTipo;
    int idResponsavel = 0;     // ID_PSOA_RESP, asked by no field: kept as stored
    QString comercializacao;   // LG_COMERCIALIZACAO_DEPE, asked by no field: kept as stored
    QString estadoTransmissao;
};

// Quadro 7, the operator's branches by period, each saved in one transaction.
class Dependencias
{
public:
    enum class Coluna { Cnpj = 0, Nome = 1, Tipo = 2 };

    Dependencias(const QSqlDatabase &db, QString codOper);

    PeriodosQuadroCadastro &periodos() { return m_periodos; }
    static TabelasPeriodo tabelas();

    QList<Dependencia> Lista(const QDate &periodo, Coluna coluna = Coluna::Cnpj, bool decrescente = false) const;
    std::optional<Dependencia> Carrega(const QDate &periodo, int idPsoa) const;
    // The kinds of branch (number, name) by number.
    QList<QPair<int, QString>> Tipos() const;

    static QStringList ItensFaltantes(const Dependencia &d);
    // A new branch (`nova`) or the kind of a stored one, in one transaction. False,
    // with nothing written, when a new branch's person already is one in the period.
    bool Grava(const QDate &periodo, Dependencia &d, bool nova);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    PeriodosQuadroCadastro m_periodos;
};

} // namespace kelpa
