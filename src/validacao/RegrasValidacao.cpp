#include "RegrasValidacao.h"

#include "RegrasBalanco.h"
#include "RegrasCadastro.h"
#include "RegrasIdadeSaldo.h"
#include "RegrasResultado.h"
#include "RegrasResumo.h"

namespace kelpa::validacao {

const std::vector<std::unique_ptr<RegraValidacao>> &RegrasValidacao::todas()
{
    static const std::vector<std::unique_ptr<RegraValidacao>> regras = [] {
        std::vector<std::unique_ptr<RegraValidacao>> r;
        r.push_back(std::make_unique<RegraQuadroContraResultado>(RegraQuadroContraResultado::Contraprestacoes));
        r.push_back(std::make_unique<RegraQuadroContraResultado>(RegraQuadroContraResultado::Eventos));
        r.push_back(std::make_unique<RegraQuadroContraResultado>(RegraQuadroContraResultado::DespesasComercializacao));
        r.push_back(std::make_unique<RegraTotalAtivoPassivo>());
        r.push_back(std::make_unique<RegraCompensacao>());
        for (RegraContasIdadeSaldo::Definicao &d : RegraContasIdadeSaldo::definicoes())
            r.push_back(std::make_unique<RegraContasIdadeSaldo>(std::move(d)));
        r.push_back(std::make_unique<RegraEventosContraResumo>());
        r.push_back(std::make_unique<RegraProvisoesTecnicas>());
        r.push_back(std::make_unique<RegraAutogestaoMantida>());
        r.push_back(std::make_unique<RegraRegiaoAtuacao>());
        r.push_back(std::make_unique<RegraResponsavelTecnico>());
        r.push_back(std::make_unique<RegraRepresentante>());
        return r;
    }();
    return regras;
}

const RegraValidacao *RegrasValidacao::regra(const QString &codigo)
{
    for (const auto &r : todas())
        if (r->codigo() == codigo)
            return r.get();
    return nullptr;
}

bool RegrasValidacao::aplica(const QString &codigo, const ContextoValidacao &ctx)
{
    const int numero = codigo.mid(1).toInt();
    const bool patrocinada = ctx.submodalidade == QLatin1String("PATRM") || ctx.submodalidade == QLatin1String("PATRS");
    const bool administradora = ctx.modalidade == QLatin1String("ADMIN");
    if (numero >= 1 && numero <= 3)
        return !patrocinada && !administradora;
    if (numero >= 4 && numero <= 13)
        return !patrocinada;
    if (numero == 14 || numero == 15)
        return !patrocinada && !administradora && ctx.operadoraDePlanos;
    if (numero == 16 || numero == 19)
        return true;
    if (numero == 17 || numero == 18)
        return !patrocinada && ctx.submodalidade != QLatin1String("MANTI");
    return false;
}

} // namespace kelpa::validacao
