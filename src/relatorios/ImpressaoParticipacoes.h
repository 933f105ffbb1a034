#pragma once

#include "Banda.h"

#include "quadros/cadastro/ParticipacoesPeriodo.h"

#include <optional>

namespace kelpa::relatorios {

// The printed list of shareholdings of Quadros 5 and 6: the persons by name with
// their document, the own-network answer before 2005, the shares and the percentage.
namespace ImpressaoParticipacoes {

// `totalOperadora` given: the operator's holders, each measured against it (Quadro 5);
// not given: companies, each with its own total printed (Quadro 6).
QList<Banda> grade(const QList<Participacao> &lista, const QDate &periodo, double largura,
                   std::optional<qint64> totalOperadora = std::nullopt);

} // namespace ImpressaoParticipacoes

} // namespace kelpa::relatorios
