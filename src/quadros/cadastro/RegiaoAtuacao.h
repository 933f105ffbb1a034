#pragma once

#include "Municipios.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

// The region of operation (1 to 6) that the regulator derives from the municipalities
// where an operator sells its plans, and the operator's stored list of them.
namespace RegiaoAtuacao {

// The five large capitals, by their official codes.
const QList<int> &GrandesCapitais();
// The six large states tested by the rule.
const QStringList &GrandesEstados();

// The rule. `totalDoEstado` gives how many municipalities a state has; a state is
// covered when more than half of them are chosen. 0 for an empty list.
int CalculaRegiao(const QList<Municipio> &municipios, const std::function<int(const QString &uf)> &totalDoEstado);
// The rule with the state totals read from the municipality table.
int CalculaRegiao(const QSqlDatabase &db, const QList<Municipio> &municipios);

// "REGIÃO 1" to "REGIÃO 6"; empty for 0 or anything else.
QString TextoRegiao(int regiao);

// The operator's municipalities of operation in a period, by state and name.
QList<Municipio> Carrega(const QSqlDatabase &db, const QString &codOper, const QDate &periodo);
// Makes the stored list equal to `municipios`: adds the new ones (never transmitted)
// and deletes the ones taken out, keeping the rows that stay. Runs inside the
// caller's transaction when there is one.
void Grava(const QSqlDatabase &db, const QString &codOper, const QDate &periodo, const QList<Municipio> &municipios);

} // namespace RegiaoAtuacao

} // namespace kelpa
