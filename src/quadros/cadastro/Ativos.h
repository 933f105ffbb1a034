#pragma once

#include "BensOperadora.h"

#include <QDate>
#include <QPair>

namespace kelpa {

// A financial asset of the operator, registered at a custody centre.
struct Ativo {
    QString sequencia; // CD_SEQ_ATIVO; empty for a new asset
    int custodia = 0;  // 0: none chosen
    QString nomeCustodia;
    QString codigo; // CD_ATIVO
    QDate emissao;
    QDate vencimento;
    QString indexador; // only for custody 4 ("OUTRAS")
    QString bem;       // CD_BEM
    QString nomeBem;
    QString estadoTransmissao;
};

// The register of the operator's financial assets, which Quadro 14A links.
class Ativos : public BensOperadora
{
public:
    enum class Coluna { Custodia = 0, Codigo = 1, NomeBem = 2 };
    // The only custody whose assets say whether they are pre- or post-fixed.
    static constexpr int kCustodiaComIndexador = 4;

    Ativos(const QSqlDatabase &db, QString codOper);

    QList<Ativo> Lista(Coluna coluna = Coluna::Custodia, bool decrescente = false) const;
    std::optional<Ativo> Carrega(const QString &sequencia) const;
    // The custody centres offered (code, name), by code.
    QList<QPair<int, QString>> Custodias() const;
    // The kinds of asset a custody may hold, by name.
    QList<TipoBem> TiposDaCustodia(int custodia) const;

    // The first thing missing, as the message that asks for it; empty when complete.
    static QString Erro(const Ativo &a);
    // Inserts a new asset (with its sequence code) or updates a stored one, in one
    // transaction. Throws ErroBanco when the save fails; nothing is then stored.
    void Grava(Ativo &a);
};

} // namespace kelpa
