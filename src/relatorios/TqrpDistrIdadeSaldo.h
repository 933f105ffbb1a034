#pragma once

#include "TqrpModRelatorioTrimestre.h"

#include <QHash>
#include <QList>

namespace kelpa::relatorios {

// The printed Quadro 15A in two reports, assets then liabilities, each starting on
// its own page: a row per kind of balance and a column per age (not yet due, overdue
// by up to 30, 31-60, 61-90, 91-120, 121-365 and more than 365 days) with the row's
// total. On the asset side the three plan rows, under their common heading ("Faturas
// e Mensalidades a Receber"), are added up in the "T O T A L" row.
class TqrpDistrIdadeSaldo : public TqrpModRelatorioTrimestre
{
public:
    enum class Parte { Ativo, Passivo };

    explicit TqrpDistrIdadeSaldo(Parte parte);

    QString titulo() const override { return QStringLiteral("Quadro 15A:  Distribuição por Idade de Saldo"); }
    QString legenda() const override { return QStringLiteral("Quadro 15A: Distribuição por Idade de Saldo"); }
    // Both parts are empty together: no quarter from 2006 on, no lines for it, or no
    // amount above zero.
    bool vazio() const override { return m_vazio; }
    Parte parte() const { return m_parte; }

    struct Linha {
        QString descricao;
        QList<qint64> centavos; // the seven ages, then the row's total; none for a heading
        bool total = false;
        bool recuada = false; // under a heading
    };
    const QList<Linha> &linhas() const { return m_linhas; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    FormatoPagina formatoPagina() const override { return FormatoPagina::paisagem(); }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    Parte m_parte;
    bool m_vazio = true;
    QList<Linha> m_linhas;
};

} // namespace kelpa::relatorios
