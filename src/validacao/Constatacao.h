#pragma once

#include "quadros/demonstracoes/Moeda.h"

#include <QDate>
#include <QString>
#include <optional>

namespace kelpa::validacao {

// One failed check of a validation run: which rule, which quadro, what the user reads,
// which quarter (none for registration facts) and the two amounts it compared.
struct Constatacao {
    QString regra;    // "V1" to "V19"; empty for the run's own finding
    QString quadro;   // DE_VLDC_QUAD_UM: "01", "03", "04", "08" to "12"
    QString mensagem; // DE_VLDC_TEXT_UM
    QDate periodo;    // first day of the quarter; null for a finding of no single period
    // The amounts compared, for whoever reads the finding on a terminal. The table
    // keeps 0 in its value columns: the regulator receives them as they always were.
    std::optional<Moeda> valorQuadro;
    std::optional<Moeda> valorComparado;

    // DE_PERI: year and quarter written together ("20062"), empty without a period.
    QString dePeri() const { return TextoPeriodoValidacao(periodo); }
    // What the lists show: "2º Trimestre de 2006", empty without a period.
    QString textoPeriodo() const;
    // Errors block sending: findings from the first quarter of 2005 on and those of no
    // single period. Earlier quarters give notices.
    bool erro() const { return !periodo.isValid() || periodo >= QDate(2005, 1, 1); }

    static QString TextoPeriodoValidacao(const QDate &periodo);

    bool operator==(const Constatacao &) const = default;
};

} // namespace kelpa::validacao
