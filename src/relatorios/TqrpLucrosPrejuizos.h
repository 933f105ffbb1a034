#pragma once

#include "TqrpModRelatorioTrimestre.h"

#include "quadros/demonstracoes/LucrosPrejuizos.h"

#include <optional>

namespace kelpa::relatorios {

// The printed Quadro 16: the balance at 31 December of the previous year, each item's
// movement in the quarter and since January, the year's movement and the current
// balance (the previous balance plus the year's movement). The column captions stand
// once, over the figures, not on every page.
class TqrpLucrosPrejuizos : public TqrpModRelatorioTrimestre
{
public:
    TqrpLucrosPrejuizos();

    QString titulo() const override { return LucrosPrejuizos::Titulo; }
    // Empty for a quarter before 2005, without items, or whose amounts are all zero.
    bool vazio() const override;
    // The figures printed; null when the quarter has none.
    const LucrosPrejuizos *dados() const { return m_dados ? &*m_dados : nullptr; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    QList<Banda> corpo(double largura) const override;

private:
    std::optional<LucrosPrejuizos> m_dados;
};

} // namespace kelpa::relatorios
