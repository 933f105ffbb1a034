#pragma once

#include "TqrpModRelatorioKELPA.h"

#include "quadros/cadastro/Administradores.h"

namespace kelpa::relatorios {

// The printed Quadro 3: the administrators of the period in force on the chosen date,
// by name, with office, CPF, term and (before 2005) company body; the technical
// officer's council number under the officer, except for a sponsored self-management.
class TqrpAdministradores : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 3: Administradores"); }
    QString legenda() const override { return QStringLiteral("Quadro 3:    Administradores"); }
    bool vazio() const override { return !m_periodo.isValid() || m_administradores.isEmpty(); }
    const QList<Administrador> &administradores() const { return m_administradores; }
    QDate periodo() const { return m_periodo; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    QList<Banda> corpo(double largura) const override;

private:
    QDate m_periodo;
    QList<Administrador> m_administradores;
    bool m_patrocinada = false;
};

} // namespace kelpa::relatorios
