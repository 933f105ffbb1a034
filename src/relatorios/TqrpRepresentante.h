#pragma once

#include "TqrpModRelatorioKELPA.h"

#include "quadros/cadastro/Representante.h"

#include <optional>

namespace kelpa::relatorios {

// The printed Quadro 4: the representative before the QOR in force on the chosen
// date, with the CPF, home address, e-mail and phones of the person register.
class TqrpRepresentante : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 4: Representante junto à QOR"); }
    QString legenda() const override { return QStringLiteral("Quadro 4:    Representante"); }
    // Nothing in force, or a period whose representative was never chosen.
    bool vazio() const override { return !m_periodo.isValid() || !m_pessoa; }
    const std::optional<PessoaRepresentante> &pessoa() const { return m_pessoa; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    QList<Banda> corpo(double largura) const override;

private:
    QDate m_periodo;
    std::optional<PessoaRepresentante> m_pessoa;
};

} // namespace kelpa::relatorios
