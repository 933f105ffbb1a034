#pragma once

#include "DadosCadastroImpressao.h"
#include "TqrpModRelatorioKELPA.h"

namespace kelpa::relatorios {

// The municipalities of operation of the registration printed by TqrpCadastro (the
// same period, the same validity label), under a heading per state, two a line.
// Printed after Quadro 1 only when the period has municipalities and the operator
// is not a sponsored self-management operator.
class TqrpRegiaoAtuacao : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 1: Cadastro - Região de Atuação"); }
    bool vazio() const override { return m_patrocinada || m_municipios.isEmpty(); }
    const QList<MunicipioAtuacao> &municipios() const { return m_municipios; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    QList<Banda> corpo(double largura) const override;

private:
    QList<MunicipioAtuacao> m_municipios;
    bool m_patrocinada = false;
};

} // namespace kelpa::relatorios
