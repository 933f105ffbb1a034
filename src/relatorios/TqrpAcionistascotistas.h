#pragma once

#include "TqrpModRelatorioKELPA.h"

#include "quadros/cadastro/Acionistas.h"

namespace kelpa::relatorios {

// The printed Quadro 5: whether the capital in force on the chosen date is wholly
// spread out and the total of shares; when it is not, the holders by name with their
// shares and percentage ("Rede Própria" only before 2005). Never printed for a
// sponsored self-management operator, nor for a legal nature without this quadro.
class TqrpAcionistascotistas : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 5: Acionistas / Quotistas"); }
    QString legenda() const override { return QStringLiteral("Quadro 5:    Acionistas/Quotistas"); }
    // A period wholly spread out has its answer to print; one that is not needs holders.
    bool vazio() const override;
    // Left out by the operator's nature, not for want of data: not named as empty.
    bool foraDoQuadro() const { return m_patrocinada; }
    const QList<Participacao> &acionistas() const { return m_acionistas; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    QList<Banda> corpo(double largura) const override;

private:
    QDate m_periodo;
    CabecalhoAcionistas m_cabecalho;
    QList<Participacao> m_acionistas;
    bool m_disponivel = false;
    bool m_patrocinada = false;
};

} // namespace kelpa::relatorios
