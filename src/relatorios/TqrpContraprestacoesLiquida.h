#pragma once

#include "TqrpModRelatorioTrimestre.h"
#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"

namespace kelpa::relatorios {

// The printed Quadro 8 (or, on the expense side, Quadro 9): the quarter's net
// consideration (indemnifiable events) by state, medical-hospital and dental plans,
// pre-payment and other modalities, with the total of each row and of each column.
// States without any amount are left out. A dental operator (modality "COOPO" or
// "ODGRP" in force at the quarter's end) prints only the dental columns, under
// "Planos Odontológicos".
class TqrpContraprestacoesLiquida : public TqrpModRelatorioTrimestre
{
public:
    explicit TqrpContraprestacoesLiquida(LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);

    QString titulo() const override;
    QString legenda() const override;
    bool vazio() const override { return m_linhas.isEmpty(); }
    bool somenteOdonto() const { return m_somenteOdonto; }
    // The states printed, in state order.
    const QList<LinhaReceitaUF> &linhas() const { return m_linhas; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    FormatoPagina formatoPagina() const override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    LadoReceitaDespesa m_lado;
    QList<LinhaReceitaUF> m_linhas;
    bool m_somenteOdonto = false;
};

// The printed Quadro 9.
class TqrpEventosIndenizaveis : public TqrpContraprestacoesLiquida
{
public:
    TqrpEventosIndenizaveis()
        : TqrpContraprestacoesLiquida(LadoReceitaDespesa::Despesas)
    {
    }
};

} // namespace kelpa::relatorios
