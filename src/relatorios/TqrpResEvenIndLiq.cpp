#include "TqrpResEvenIndLiq.h"

#include "CamposFormulario.h"
#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

using R = ResumoEventosLiquidos;

GradeColunas grade(double largura)
{
    return GradeColunas({{QString(), 3},
                         {QStringLiteral("Rede Própria R$"), 1.6, Qt::AlignRight},
                         {QStringLiteral("Rede Própria %"), 1.2, Qt::AlignRight},
                         {QStringLiteral("Total"), 1.6, Qt::AlignRight}},
                        largura);
}

} // namespace

TqrpResEvenIndLiq::TqrpResEvenIndLiq()
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência: "))
{
}

void TqrpResEvenIndLiq::carregarDados(const QSqlDatabase &db)
{
    m_resumo.reset();
    m_vazio = true;
    const QDate trimestre = definirTrimestre(db);
    if (!trimestre.isValid())
        return;
    m_somenteOdonto = ValoresCabecalhoTrimestre::somenteOdonto(db, operadora());
    m_resumo.emplace(db, operadora(), trimestre);
    m_resumo->ler();
    m_vazio = m_resumo->semValoresInteiros(m_somenteOdonto ? QList<int>{R::OdontoPropria, R::OdontoTotal}
                                                           : QList<int>{R::HospitalarPropria, R::HospitalarTotal,
                                                                        R::MedicaPropria, R::MedicaTotal,
                                                                        R::OdontoPropria, R::OdontoTotal});
}

Banda TqrpResEvenIndLiq::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho();
}

QList<Banda> TqrpResEvenIndLiq::corpo(double largura) const
{
    QList<Banda> bandas;
    if (!m_resumo)
        return bandas;
    const GradeColunas g = grade(largura);
    const auto linha = [&](const QString &rotulo, R::Campo total) {
        return g.linha({rotulo, m_resumo->valorOuZero(total - 1).texto(),
                        ValoresCabecalhoTrimestre::textoPercentual(m_resumo->percentual(total)),
                        m_resumo->valorOuZero(total).texto()});
    };
    const auto soma = [&](const QString &rotulo, Moeda valor, TipoBanda tipo) {
        Banda b = g.linha({rotulo, QString(), QString(), valor.texto()}, tipo, EstiloTexto::forte());
        b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
        return b;
    };
    if (!m_somenteOdonto) {
        bandas << Formulario::secao(QStringLiteral("Planos de Assistência Médico-Hospitalar"), largura);
        bandas << linha(QStringLiteral("Serviços Hospitalares"), R::HospitalarTotal);
        bandas << linha(QStringLiteral("Serviços Médicos"), R::MedicaTotal);
        bandas << soma(QStringLiteral("Total Médico-Hospitalar"), m_resumo->totalMedicoHospitalar(), TipoBanda::RodapeGrupo);
    }
    bandas << Formulario::secao(QStringLiteral("Planos de Assistência Odontológica"), largura);
    bandas << linha(QStringLiteral("Serviços Odontológicos"), R::OdontoTotal);
    // The dental layout still adds the stored medical-hospital totals, as the quadro shows it.
    bandas << soma(QStringLiteral("TOTAL GERAL"), m_resumo->totalGeral(), TipoBanda::Resumo);
    return bandas;
}

} // namespace kelpa::relatorios
