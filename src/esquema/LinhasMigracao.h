#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace kelpa {

// The rows the data migration writes into three code tables. A new database is
// built with the same rows (db/dados), so that it looks like an upgraded one.

struct LinhaBemCodigo {
    QString CD_BEM;
    QString NM_BEM;
    QString CD_INDICADOR;
    int LG_FUNDO;
};

struct LinhaItemSaldo {
    QString CD_ITEM_SALDO;
    QDate DT_INIC_VIGN_SALDO;
    QString DE_ITEM_SALDO;
    QString TP_SINAL_ITEM;
    QString DE_HINT_SALDO;
};

struct LinhaDespesaComerc {
    QString ID_TIPO_PLANO;
    QDate DT_INIC_VIGN_DESP;
    QString CD_DESPESA;
    QString DE_DESPESA;
    QString TP_DESPESA;
    QString DE_HINT_DESPESA_COMERC;
};

// The version date of the item lists the migration writes: 1 January 2005.
QDate dataLinhasMigracao();

// Kinds of asset of the asset and real-estate registers (58 rows, in order).
const QList<LinhaBemCodigo> &linhasBemCodigo();
// Lines of the profits-or-losses quadro, version 2005-01-01.
const QList<LinhaItemSaldo> &linhasItemSaldo();
// Lines of the selling-expenses quadro, plan "20", version 2005-01-01.
const QList<LinhaDespesaComerc> &linhasDespesasComerc();

} // namespace kelpa
