#pragma once

#include "TqrpModRelatorioQOR.h"

namespace kelpa::relatorios {

// The system's own header on the generic page: "KELPA", the version, the page as
// three digits ("Página: 007"), the validity label of the printed data and the
// operator line ("Operadora : 34567-8 - name", with its CNPJ).
class TqrpModRelatorioKELPA : public TqrpModRelatorioQOR
{
public:
    // The validity label setter (qrlVigencia): each report sets its label, e.g.
    // "Vigência:  A partir de 01/01/2006". An empty label takes no room: lists that
    // cover every period collapse it.
    void setVigencia(const QString &rotulo) { m_vigencia = rotulo; }
    QString vigencia() const { return m_vigencia; }

    QString nomeOperadora() const { return m_nomeOperadora; }
    QString cnpjOperadora() const { return m_cnpjOperadora; }
    bool operadoraDePlanos() const;

    // The operator code as the header prints it: 123456 as 12345-6.
    static QString codigoComMascara(const QString &codigo);
    // Insurers read "Prêmios" for "Contraprestações" and "Sinistros" for "Eventos Indenizáveis".
    static QString redacao(const QString &texto, bool operadoraDePlanos);

protected:
    // Reads the operator's name and CNPJ from its own person row, or from the official
    // list when the person row is missing.
    void carregarCabecalho(const QSqlDatabase &db) override;

    QStringList nomesCentrais() const override;
    QStringList blocoDireito() const override;
    double complementoCabecalho(Banda &banda, double y, double largura) const override;

private:
    QString m_vigencia;
    QString m_nomeOperadora;
    QString m_cnpjOperadora;
};

} // namespace kelpa::relatorios
