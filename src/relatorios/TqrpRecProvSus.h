#pragma once

#include "TqrpModRelatorioTrimestre.h"
#include "quadros/receitas_despesas/ReceitasSus.h"

#include <optional>

namespace kelpa::relatorios {

// The printed Quadro 8A: the quarter's revenues from the public health system, its
// total revenues and the share of the first in the second. Empty when the quarter
// has no header row or both amounts are zero in whole reais.
class TqrpRecProvSus : public TqrpModRelatorioTrimestre
{
public:
    TqrpRecProvSus();

    QString titulo() const override { return ReceitasSus::titulo(); }
    bool vazio() const override { return m_vazio; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    std::optional<ReceitasSus> m_receitas;
    bool m_vazio = true;
};

} // namespace kelpa::relatorios
