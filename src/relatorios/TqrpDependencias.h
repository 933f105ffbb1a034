#pragma once

#include "TqrpModRelatorioKELPA.h"

#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/Dependencias.h"

namespace kelpa::relatorios {

// The printed Quadro 7: the branches in force on the chosen date, each with its kind,
// CNPJ, address, phones and fax as the person register keeps them; before 2005 also
// the e-mail, the person in charge and whether plans are sold there.
class TqrpDependencias : public TqrpModRelatorioKELPA
{
public:
    struct Ramo {
        Dependencia dependencia;
        DadosPessoa dados;
        QList<Telefone> telefones;
        QString responsavel;
    };

    QString titulo() const override { return QStringLiteral("Quadro 7: Dependências"); }
    QString legenda() const override { return QStringLiteral("Quadro 7:    Dependências"); }
    bool vazio() const override { return !m_periodo.isValid() || m_ramos.isEmpty(); }
    const QList<Ramo> &ramos() const { return m_ramos; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    QList<Banda> corpo(double largura) const override;

private:
    QDate m_periodo;
    QList<Ramo> m_ramos;
};

} // namespace kelpa::relatorios
