#pragma once

#include "TqrpModRelatorioTrimestre.h"
#include "quadros/receitas_despesas/DespesasComercializacao.h"

#include <QList>

namespace kelpa::relatorios {

// The printed Quadro 10: the quarter's selling expenses item by item, under
// "Planos de Assistência Médico - Hospitalar" and "Planos de Assistência
// Odontológica", each with its total, and the quarter's "Total Geral:". A dental
// operator (modality "COOPO" or "ODGRP" in force at the quarter's end) prints only
// the dental items. Empty when the amounts printed add up to zero.
class TqrpDespesasComercializacao : public TqrpModRelatorioTrimestre
{
public:
    TqrpDespesasComercializacao();

    QString titulo() const override { return DespesasComercializacao::titulo(); }
    bool vazio() const override { return m_vazio; }

    struct Grupo {
        QString titulo;
        QList<ItemDespesaComerc> itens;
        Moeda total;
    };
    const QList<Grupo> &grupos() const { return m_grupos; }

protected:
    void carregarDados(const QSqlDatabase &db) override;
    bool sombreado() const override { return false; }
    Banda cabecalhoColunas(double largura) const override;
    QList<Banda> corpo(double largura) const override;

private:
    QList<Grupo> m_grupos;
    Moeda m_totalGeral;
    bool m_vazio = true;
};

} // namespace kelpa::relatorios
