#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa::relatorios {

struct ConstatacaoValidacao {
    qint64 sequencia = 0;  // NR_VLDC_SEQL
    QString quadro;        // DE_VLDC_QUAD_UM
    QString periodo;       // DE_PERI: "20062", or empty for a finding of no single period
    QString mensagem;      // DE_VLDC_TEXT_UM
};

// The two lists of the last validation run of an operator, as the validation window
// and its printed reports show them. Errors are the findings from the first quarter
// of 2005 on and those without a period; notices are those of earlier periods.
class ListaValidacao
{
public:
    static QList<ConstatacaoValidacao> erros(const QSqlDatabase &db, const QString &operadora);
    static QList<ConstatacaoValidacao> avisos(const QSqlDatabase &db, const QString &operadora);

    // "20062" as people read it: "2º Trimestre de 2006"; an empty period reads empty.
    static QString textoPeriodo(const QString &periodo);
};

} // namespace kelpa::relatorios
