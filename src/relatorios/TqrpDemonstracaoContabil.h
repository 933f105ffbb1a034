#pragma once

#include "TqrpModRelatorioTrimestre.h"

#include <QChar>
#include <QList>

namespace kelpa::relatorios {

// What the three chart-of-accounts statements print alike: the accounts of one
// statement type for the quarter in chart order, each level indented under its
// parent, computed accounts in bold and the statement's total closing it.
class TqrpDemonstracaoContabil : public TqrpModRelatorioTrimestre
{
public:
    struct Linha {
        QString conta;     // CD_CONTA_CONTABIL
        QString descricao; // DE_CONTA_CONTABIL
        int nivel = 1;
        qint64 centavos = 0; // the value as printed
        bool calculada = false;
        bool total = false; // the statement's total account
    };

    // Nothing to print: no account of the statement for the quarter, or every one zero.
    bool vazio() const override;
    QChar tipo() const { return m_tipo; }
    const QList<Linha> &linhas() const { return m_linhas; }

protected:
    explicit TqrpDemonstracaoContabil(QChar tipo);

    void carregarDados(const QSqlDatabase &db) override;
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;
    // The total row on grey as well as in bold.
    virtual bool totalSombreado() const { return false; }

private:
    QChar m_tipo;
    QList<Linha> m_linhas;
};

} // namespace kelpa::relatorios
