#pragma once

#include "Banda.h"

#include <QList>
#include <QString>

namespace kelpa::relatorios {

// One field of a printed form: its caption and its value.
struct CampoFormulario {
    QString rotulo;
    QString valor;
    double peso = 1; // share of the line's width
};

// The registration reports print as forms, the way the quadro shows them: parts
// under a heading, and fields side by side, each in a thin box with its caption
// small at the top and its value under it. A long value wraps and its box grows.
namespace Formulario {

constexpr double alturaCampo = 8.2; // one line of value under its caption

// The heading of a part of the form: bold over a rule. A group header, so it never
// stays alone at the foot of a page.
Banda secao(const QString &titulo, double largura);
// A line of fields across the width; a field without caption and value leaves its room blank.
Banda linha(const QList<CampoFormulario> &campos, double largura, TipoBanda tipo = TipoBanda::Detalhe);

} // namespace Formulario

} // namespace kelpa::relatorios
