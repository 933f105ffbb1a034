#include "TFrameResumoLiquidos.h"

#include "ModeloValoresCabecalho.h"

#include "quadros/receitas_despesas/ResumoEventosLiquidos.h"

namespace kelpa {

using R = ResumoEventosLiquidos;
using M = ModeloValoresCabecalho;

TFrameResumoLiquidos::TFrameResumoLiquidos(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroCabecalhoTrimestre(contexto, R::titulo(), parent)
{
    setObjectName(QStringLiteral("FrameResumoLiquidos"));
}

const ResumoEventosLiquidos *TFrameResumoLiquidos::resumo() const
{
    return static_cast<const ResumoEventosLiquidos *>(valores());
}

std::unique_ptr<ValoresCabecalhoTrimestre> TFrameResumoLiquidos::criarValores(const QDate &trimestre)
{
    m_somenteOdonto = ValoresCabecalhoTrimestre::somenteOdonto(contexto().db(), contexto().codOper());
    return std::make_unique<ResumoEventosLiquidos>(contexto().db(), contexto().codOper(), trimestre);
}

int TFrameResumoLiquidos::primeiroCampo() const
{
    return m_somenteOdonto ? R::OdontoPropria : R::HospitalarPropria;
}

void TFrameResumoLiquidos::montarLeiaute(ModeloValoresCabecalho *modelo)
{
    // A row of a kind of service: own network's amount and share, and its total.
    const auto servico = [this](const QString &rotulo, R::Campo total) {
        return M::Linha{M::rotulo(rotulo), M::campo(total - 1, R::dica(static_cast<R::Campo>(total - 1))),
                        M::calculada([this, total] { return ValoresCabecalhoTrimestre::textoPercentual(resumo()->percentual(total)); }),
                        M::campo(total, R::dica(total))};
    };
    const auto soma = [](const QString &rotulo, std::function<QString()> calculo) {
        return M::Linha{M::rotulo(rotulo, true), {}, {}, M::calculada(std::move(calculo), true)};
    };
    QList<M::Linha> linhas;
    if (!m_somenteOdonto) {
        linhas << M::Linha{M::rotulo(QStringLiteral("Planos de Assistência Médico-Hospitalar  "), true)};
        linhas << servico(QStringLiteral("Serviços Hospitalares :"), R::HospitalarTotal);
        linhas << servico(QStringLiteral("Serviços Médicos        :"), R::MedicaTotal);
        linhas << soma(QStringLiteral("Total Médico-Hospitalar :"), [this] { return resumo()->totalMedicoHospitalar().texto(); });
    }
    linhas << M::Linha{M::rotulo(QStringLiteral("Planos de Assistência Odontológica  "), true)};
    linhas << servico(QStringLiteral("Serviços Odontológicos :"), R::OdontoTotal);
    // The dental layout still adds the stored medical-hospital totals.
    linhas << soma(QStringLiteral("TOTAL GERAL :"), [this] { return resumo()->totalGeral().texto(); });
    modelo->setLeiaute({QString(), QStringLiteral("Rede Própria R$"), QStringLiteral("Rede Própria %"), QStringLiteral("Total")},
                       linhas);
}

} // namespace kelpa
