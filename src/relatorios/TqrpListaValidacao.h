#pragma once

#include "ListaValidacao.h"
#include "TqrpModRelatorioKELPA.h"

namespace kelpa::relatorios {

// What the error list and the notice list print alike: landscape, one row a finding
// with its period ("Inconsistência") and its message ("Descrição"), no validity
// label (the lists cover every period).
class TqrpListaValidacao : public TqrpModRelatorioKELPA
{
public:
    bool vazio() const override { return m_lista.isEmpty(); }
    const QList<ConstatacaoValidacao> &lista() const { return m_lista; }

    // The warning of the validation window's "Visualizar" when a list is empty; empty
    // when both lists have findings.
    static QString mensagemListasVazias(bool semErros, bool semAvisos);

protected:
    void carregarDados(const QSqlDatabase &db) override;
    virtual QList<ConstatacaoValidacao> ler(const QSqlDatabase &db) const = 0;

    FormatoPagina formatoPagina() const override { return FormatoPagina::paisagem(QPageSize::Letter); }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    QList<ConstatacaoValidacao> m_lista;
};

} // namespace kelpa::relatorios
