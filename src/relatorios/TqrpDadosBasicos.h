#pragma once

#include "DadosBasicosImpressao.h"
#include "TqrpModRelatorioKELPA.h"

namespace kelpa::relatorios {

// The printed Quadro 2: the period in force on the chosen date, its foundation date
// and staff (asked only before 2005) and the professionals answering for the
// operator's accounting, actuarial work and audit.
class TqrpDadosBasicos : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 2: Dados Básicos"); }
    QString legenda() const override { return QStringLiteral("Quadro 2:    Dados Básicos"); }
    // Nothing in force, or a period without foundation, staff and responsibles.
    bool vazio() const override;
    const DadosBasicosEmVigor &dados() const { return m_dados; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    QList<Banda> corpo(double largura) const override;

private:
    bool mostraFundacao() const { return m_dados.periodo < QDate(2005, 1, 1); }

    DadosBasicosEmVigor m_dados;
};

} // namespace kelpa::relatorios
