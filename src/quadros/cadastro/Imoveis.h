#pragma once

#include "BensOperadora.h"
#include "Municipios.h"

#include <QDate>

namespace kelpa {

// A property of the operator, with its land-registry entry.
struct Imovel {
    QString sequencia; // CD_SEQ_ATIVO; empty for a new property
    QString rgi;
    QString cartorio;
    std::optional<double> area; // m², not given when empty
    QString bem;
    QString nomeBem;
    QDate aquisicao;
    QDate venda;
    QDate ultimaAvaliacao;
    bool redePropria = false;
    QString endereco;
    QString bairro;
    QString cep; // digits only
    Municipio municipio; // id 0: none chosen
    QString estadoTransmissao;
};

// The register of the operator's real estate, which Quadro 14A links.
class Imoveis : public BensOperadora
{
public:
    enum class Coluna { Rgi = 0, NomeBem = 1 };

    Imoveis(const QSqlDatabase &db, QString codOper);

    // Ordered by the kind's name unless another column is asked.
    QList<Imovel> Lista(Coluna coluna = Coluna::NomeBem, bool decrescente = false) const;
    std::optional<Imovel> Carrega(const QString &sequencia) const;
    // The kinds of real estate, by name.
    QList<TipoBem> TiposImovel() const;

    // The first thing missing or wrong, as the message that asks for it; empty when right.
    static QString Erro(const Imovel &i);
    // Inserts a new property (with its sequence code) or updates a stored one, in one
    // transaction. Throws ErroBanco when the save fails; nothing is then stored.
    void Grava(Imovel &i);
};

} // namespace kelpa
