#pragma once

#include "ParticipacoesPeriodo.h"
#include "PeriodosQuadroCadastro.h"

#include <QStringList>
#include <optional>

namespace kelpa {

// Quadro 6, the companies in which the operator holds shares or quotas, by period:
// each a legal person with the shares the operator holds and the company's total.
class Participadas
{
public:
    Participadas(const QSqlDatabase &db, const QString &codOper);

    // The shareholdings refer to the periods of the same object.
    Participadas(const Participadas &) = delete;
    Participadas &operator=(const Participadas &) = delete;

    PeriodosQuadroCadastro &periodos() { return m_periodos; }
    ParticipacoesPeriodo &participacoes() { return m_participacoes; }
    static TabelasPeriodo tabelas();

    // What the filling-error notice lists, in the dialog's order.
    static QStringList ItensFaltantes(bool semNome, const std::optional<qint64> &quantidade, const std::optional<qint64> &total);
    // The first inconsistency of the two quantities, or empty.
    static QString ErroQuantidades(qint64 quantidade, qint64 total);

private:
    PeriodosQuadroCadastro m_periodos;
    ParticipacoesPeriodo m_participacoes;
};

} // namespace kelpa
