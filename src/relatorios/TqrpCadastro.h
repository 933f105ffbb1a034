#pragma once

#include "DadosCadastroImpressao.h"
#include "TqrpModRelatorioKELPA.h"

namespace kelpa::relatorios {

// The printed Quadro 1: the operator's registration in force on the chosen date, as
// a form (identification, classification, head-office and mailing addresses, phones).
class TqrpCadastro : public TqrpModRelatorioKELPA
{
public:
    QString titulo() const override { return QStringLiteral("Quadro 1: Cadastro"); }
    QString legenda() const override { return QStringLiteral("Quadro 1:    Cadastro"); }
    bool vazio() const override { return !m_dados.periodo.isValid(); }
    const CadastroEmVigor &dados() const { return m_dados; }

    // "Vigência:  A partir de " and the period's start, shown as 01/01/2001 when
    // earlier (an insurer's as 01/01/2007).
    static QString rotuloVigencia(const QDate &periodo, bool operadoraDePlanos);

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    QList<Banda> corpo(double largura) const override;

private:
    CadastroEmVigor m_dados;
};

} // namespace kelpa::relatorios
