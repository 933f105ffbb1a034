#pragma once

#include "app/banco/Consulta.h"
#include "quadros/demonstracoes/Moeda.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <map>
#include <memory>

namespace kelpa::validacao {

// Amounts of chart-of-accounts lines of the operator (PLANOCONTASVALOR) for one
// quarter, added up in ten-thousandths. Each distinct list of accounts is prepared
// once and bound again for every quarter, with the quarter as a date.
class LeitorContas
{
public:
    enum Filtro {
        Todas,              // every stored row
        NaoTransmitidas,    // rows not flagged "T" (the income-statement side of Quadros 8 to 10)
        DoPlanoDeContas,    // rows whose account exists in the chart version they name
    };

    struct Leitura {
        Moeda soma;
        QHash<QString, Moeda> porConta; // only the accounts that have rows
        bool encontrada = false;        // at least one row
        Moeda conta(const QString &codigo) const { return porConta.value(codigo); }
    };

    LeitorContas(const QSqlDatabase &db, QString codOper, Filtro filtro);
    ~LeitorContas();

    Leitura ler(const QDate &periodo, const QStringList &contas);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    Filtro m_filtro;
    std::map<QString, std::unique_ptr<Consulta>> m_consultas;
};

} // namespace kelpa::validacao
