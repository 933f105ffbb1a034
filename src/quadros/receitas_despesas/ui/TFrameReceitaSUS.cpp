#include "TFrameReceitaSUS.h"

#include "ModeloValoresCabecalho.h"

#include "app/ServicosOperadora.h"
#include "quadros/receitas_despesas/ReceitasSus.h"

namespace kelpa {

using M = ModeloValoresCabecalho;

TFrameReceitaSUS::TFrameReceitaSUS(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroCabecalhoTrimestre(contexto, ReceitasSus::titulo(), parent)
{
    setObjectName(QStringLiteral("FrameReceitaSUS"));
}

std::unique_ptr<ValoresCabecalhoTrimestre> TFrameReceitaSUS::criarValores(const QDate &trimestre)
{
    return std::make_unique<ReceitasSus>(contexto().db(), contexto().codOper(), trimestre);
}

int TFrameReceitaSUS::primeiroCampo() const
{
    return ReceitasSus::ReceitasDoSus;
}

void TFrameReceitaSUS::montarLeiaute(ModeloValoresCabecalho *modelo)
{
    const auto *receitas = static_cast<const ReceitasSus *>(valores());
    modelo->setLeiaute({QString(), QStringLiteral("R$")},
                       {{M::rotulo(QStringLiteral("Receitas do SUS")), M::campo(ReceitasSus::ReceitasDoSus, ReceitasSus::dica(ReceitasSus::ReceitasDoSus))},
                        {M::rotulo(QStringLiteral("Total de Receitas")),
                         M::campo(ReceitasSus::TotalDeReceitas, ReceitasSus::dica(ReceitasSus::TotalDeReceitas))},
                        {M::rotulo(QStringLiteral("Receitas do SUS / Total de Receitas :"), true),
                         M::calculada([receitas] { return ValoresCabecalhoTrimestre::textoPercentual(receitas->participacao()); },
                                      true)}});
}

void TFrameReceitaSUS::operadoraForaDasListas()
{
    // Outside administrators and self-insured plans, the legal nature is what keeps it out.
    exibeAviso(ReceitasSus::avisoNaoPreenche(ServicosOperadora(contexto().db(), contexto().codOper()).ModalidadeOperadora()));
}

} // namespace kelpa
