#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kelpa {

// One combination of the registration's profit status, legal nature, modality and
// segment; a registration matches the group when it meets all four conditions. A
// condition left empty takes any value (the administrators' group names only the modality).
struct GrupoModalidade {
    QString sociedade; // CD_SOCI: "C" for profit, "S" non-profit
    QStringList naturezasJuridicas;
    QStringList modalidades;
    QStringList submodalidades;

    bool atende(const QString &soci, const QString &natureza, const QString &modalidade, const QString &submodalidade) const;
};

// Which operators a quarterly quadro applies to, told by the newest registration.
// Most quadros list the operators that are exempt; a few list those that must fill
// the quadro (an inclusion list), and then no match means exempt.
struct RegraModalidade {
    QList<GrupoModalidade> grupos;
    bool listaDeInclusao = false;

    // The groups of the balance sheet, income statement, cash flow and ages of balances:
    // sponsored self-insured plans are exempt.
    static const RegraModalidade &demonstracoes();
    // Quadro 8 (net consideration): the operators that report it.
    static const RegraModalidade &contraprestacoes();
    // Quadro 14 (technical provisions): sponsored self-insured plans without the
    // maintainers, and every plan administrator.
    static const RegraModalidade &provisoesTecnicas();

    // The operator's newest registration period (every row of it) decides. An operator
    // without any registration matches no group.
    bool dispensada(const QSqlDatabase &db, const QString &codOper) const;
};

} // namespace kelpa
