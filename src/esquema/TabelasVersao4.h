#pragma once

#include "AlteracaoEsquema.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kelpa {

// A key added to a table right after the table is created.
struct RestricaoTabela {
    QString nome;
    QString tipo; // AlteracaoEsquema::chavePrimaria() or chaveEstrangeira()
    QString tabela;
    QStringList colunas;
    QString tabelaReferida;
    QStringList colunasReferidas;
};

struct TabelaVersao4 {
    QString nome;
    QList<DefinicaoColuna> colunas;
    // Added only when the table is new, in this order; a value table's foreign key
    // comes with the line table it refers to.
    QList<RestricaoTabela> restricoes;
};

// The cash-flow and ages-of-balance tables that version 4.0.0 brought, in the order
// they are created. The program's own upgrade and the installer's update create them
// from this one list.
const QList<TabelaVersao4> &TabelasVersao4();

} // namespace kelpa
