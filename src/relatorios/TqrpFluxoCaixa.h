#pragma once

#include "TqrpModRelatorioTrimestre.h"

#include <QHash>
#include <QList>

namespace kelpa::relatorios {

// The printed Quadro 15 in two reports, each starting on its own page: the synthetic
// one (the prior balance, the net cash of each activity, the cash flow of the quarter
// and the final balance) and the analytic one (every line of each activity, its net
// cash, and the quarter's totals). Rows alternate white and a darker grey.
class TqrpFluxoCaixa : public TqrpModRelatorioTrimestre
{
public:
    enum class Parte { Sintetico, Analitico };

    explicit TqrpFluxoCaixa(Parte parte);

    QString titulo() const override;
    QString legenda() const override { return QStringLiteral("Quadro 15: Fluxo de Caixa"); }
    // Both parts are empty together: no quarter from 2006 on, no cash-flow lines for
    // it, or no amount above zero.
    bool vazio() const override { return m_vazio; }
    Parte parte() const { return m_parte; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    struct Linha {
        QString codigo;
        QString descricao;
    };
    QList<Banda> corpoSintetico(double largura) const;
    QList<Banda> corpoAnalitico(double largura) const;
    QString textoValor(const QString &codigo) const;
    QString descricao(const QString &codigo, const QString &padrao) const;

    Parte m_parte;
    bool m_vazio = true;
    QList<Linha> m_linhas;             // the version's lines, in code order
    QHash<QString, qint64> m_centavos; // every field, totals and summary included
};

} // namespace kelpa::relatorios
