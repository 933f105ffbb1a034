#pragma once

#include "RegraValidacao.h"

#include <memory>
#include <vector>

namespace kelpa::validacao {

// The nineteen rules in the order a run applies them, V1 first.
class RegrasValidacao
{
public:
    static const std::vector<std::unique_ptr<RegraValidacao>> &todas();
    // The rule with code "V1" to "V19"; nullptr for any other code.
    static const RegraValidacao *regra(const QString &codigo);

    // Whether the run applies the rule to this operator: patronized self-management
    // skips the quadro checks, administrators the revenue and expense ones, insurers
    // the summaries, managed self-insurance and patronized ones the region and
    // technical officer.
    static bool aplica(const QString &codigo, const ContextoValidacao &ctx);
};

} // namespace kelpa::validacao
