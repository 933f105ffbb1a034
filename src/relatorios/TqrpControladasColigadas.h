#pragma once

#include "TqrpModRelatorioKELPA.h"

#include "quadros/cadastro/ParticipacoesPeriodo.h"

namespace kelpa::relatorios {

// The printed Quadro 6: the companies in force on the chosen date in which the
// operator holds shares or quotas, by name, with the shares held, the company's total
// and the percentage ("Rede Própria" only before 2005).
class TqrpControladasColigadas : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 6: Controladas / Coligadas"); }
    QString legenda() const override { return QStringLiteral("Quadro 6:    Controladas/Coligadas"); }
    bool vazio() const override { return !m_periodo.isValid() || m_empresas.isEmpty(); }
    const QList<Participacao> &empresas() const { return m_empresas; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    QList<Banda> corpo(double largura) const override;

private:
    QDate m_periodo;
    QList<Participacao> m_empresas;
};

} // namespace kelpa::relatorios
