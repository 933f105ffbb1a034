#pragma once

#include "TqrpModRelatorioTrimestre.h"
#include "quadros/receitas_despesas/ResumoEventosLiquidos.h"

#include <optional>

namespace kelpa::relatorios {

// The printed Quadro 9A: the quarter's net indemnifiable events by kind of service,
// own network (amount and share) and total, with "Total Médico-Hospitalar" and
// "TOTAL GERAL". A dental operator (modality "COOPO" or "ODGRP") prints only the
// dental row (the form the selector names TqrpResEvenIndLiqPO). Empty when the
// quarter has no header row or every amount printed is zero in whole reais.
class TqrpResEvenIndLiq : public TqrpModRelatorioTrimestre
{
public:
    TqrpResEvenIndLiq();

    QString titulo() const override { return ResumoEventosLiquidos::titulo(); }
    bool vazio() const override { return m_vazio; }
    bool somenteOdonto() const { return m_somenteOdonto; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    std::optional<ResumoEventosLiquidos> m_resumo;
    bool m_somenteOdonto = false;
    bool m_vazio = true;
};

} // namespace kelpa::relatorios
