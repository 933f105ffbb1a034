#pragma once

#include "RegraValidacao.h"

#include <QStringList>

namespace kelpa::validacao {

// V6 to V13: receivables and payables of the balance sheet (Quadros 11 and 12)
// against the totals of the ages of balances (Quadro 15A), to the ten-thousandth.
// Only the quarters of 2006 and 2007 are checked; each year names its own accounts.
class RegraContasIdadeSaldo : public RegraValidacao
{
public:
    struct Definicao {
        const char *codigo;
        const char *quadro;
        QStringList contas2006;
        QStringList contas2007;           // plan operators (and insurers when the next is empty)
        QStringList contas2007Seguradora; // insurers, when their accounts differ
        int primeiraColuna;               // the Quadro 15A columns added up, 0 to 9
        int ultimaColuna;
        QString mensagem2006;
        QString mensagem2007;
        QString mensagem2007Seguradora;
        // V6 compares only when the quarter has its receivables account.
        bool exigeConta = false;
    };

    explicit RegraContasIdadeSaldo(Definicao definicao)
        : m_def(std::move(definicao))
    {
    }
    QString codigo() const override { return QString::fromLatin1(m_def.codigo); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;

    // The eight rules, V6 to V13.
    static QList<Definicao> definicoes();

    // The ten column totals of Quadro 15A for a quarter, in column order: seven age
    // buckets each, codes "01"-"07", "08"-"14", ... "36"-"42", then "50"-"56" to "71"-"77".
    static QList<Moeda> totaisColunas(const QSqlDatabase &db, const QString &codOper, const QDate &periodo);

private:
    Definicao m_def;
};

} // namespace kelpa::validacao
