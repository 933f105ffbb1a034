#include "ValoresCabecalhoTrimestre.h"

#include "quadros/demonstracoes/TrimestresEconomicos.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QStringList>
#include <cmath>

namespace kelpa {

ValoresCabecalhoTrimestre::ValoresCabecalhoTrimestre(QSqlDatabase db, QString codOper, QDate trimestre,
                                                     QList<QLatin1StringView> colunas)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
    , m_colunas(std::move(colunas))
    , m_valores(m_colunas.size())
    , m_gravados(m_colunas.size())
{
}

QString ValoresCabecalhoTrimestre::AvisoSeguradora()
{
    return QStringLiteral("Este quadro não está disponível para as \n\rSeguradoras Especializadas em Saúde");
}

QString ValoresCabecalhoTrimestre::AvisoAntes2003()
{
    return QStringLiteral("Quadro disponível somente para\rinformações a partir do 1º Trimestre de 2003.");
}

const RegraModalidade &ValoresCabecalhoTrimestre::regraModalidade()
{
    static const RegraModalidade regra = [] {
        RegraModalidade r{{RegraModalidade::contraprestacoes().grupos.first()}, true};
        r.grupos << GrupoModalidade{QStringLiteral("C"),
                                    {QStringLiteral("EMIND"), QStringLiteral("DEPEX"), QStringLiteral("EMPUB"),
                                     QStringLiteral("SCOTA"), QStringLiteral("SCIVL"), QStringLiteral("SOCIA"),
                                     QStringLiteral("OUTRC")},
                                    {QStringLiteral("MEGRP"), QStringLiteral("ODGRP")},
                                    {QStringLiteral("SPP"), QStringLiteral("SPSUS"), QStringLiteral("SPS"),
                                     QStringLiteral("SSP"), QStringLiteral("SSS"), QStringLiteral("ST"),
                                     QStringLiteral("SOM"), QStringLiteral("SOT"), QStringLiteral("SOP"),
                                     QStringLiteral("MANTI")}};
        return r;
    }();
    return regra;
}

bool ValoresCabecalhoTrimestre::somenteOdonto(const QSqlDatabase &db, const QString &codOper)
{
    Consulta q(db, QStringLiteral("SELECT CD_MODL FROM CADASTRO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = "
                                  "(SELECT MAX(DT_INIC_VIGN) FROM CADASTRO WHERE CD_OPER = :CDOPER)"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    if (!q.primeira())
        return false;
    const QString modalidade = q.texto(QStringLiteral("CD_MODL"));
    return modalidade == QLatin1String("COOPO") || modalidade == QLatin1String("ODGRP");
}

double ValoresCabecalhoTrimestre::percentual(const std::optional<Moeda> &parte, const std::optional<Moeda> &total)
{
    if (!parte || !total || parte->zero() || total->zero())
        return 0;
    const double p = static_cast<double>(parte->dezMilesimos()) * 100.0 / static_cast<double>(total->dezMilesimos());
    return std::isfinite(p) ? p : 0;
}

QString ValoresCabecalhoTrimestre::textoPercentual(double percentual)
{
    return FormatoBR::valor(percentual) + QStringLiteral(" %");
}

bool ValoresCabecalhoTrimestre::ler()
{
    QStringList colunas;
    for (QLatin1StringView c : std::as_const(m_colunas))
        colunas << QString(c);
    Consulta q(m_db, QStringLiteral("SELECT %1, LG_ALTR_TRAM FROM QUADRORECEITASDESPESASUF "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                         .arg(colunas.join(QStringLiteral(", "))));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    m_lido = q.primeira();
    for (qsizetype i = 0; i < m_colunas.size(); ++i) {
        const QVariant v = m_lido ? q.valor(static_cast<int>(i)) : QVariant();
        m_gravados[i] = v.isNull() ? std::nullopt : std::optional<Moeda>(Moeda::doBanco(v));
    }
    m_estado = m_lido ? q.texto(QStringLiteral("LG_ALTR_TRAM")) : QString();
    m_valores = m_gravados;
    return m_lido;
}

bool ValoresCabecalhoTrimestre::semValoresInteiros(const QList<int> &campos) const
{
    if (!m_lido)
        return true;
    for (int campo : campos)
        if (std::nearbyint(valorOuZero(campo).reais()) != 0)
            return false;
    return true;
}

bool ValoresCabecalhoTrimestre::informar(int campo, Moeda valor)
{
    const Moeda emCentavos = valor.truncadaEmCentavos();
    if (campo < 0 || campo >= m_valores.size() || m_valores.at(campo) == emCentavos)
        return false;
    m_valores[campo] = emCentavos;
    return true;
}

void ValoresCabecalhoTrimestre::restaurar(int campo, const std::optional<Moeda> &valor)
{
    if (campo >= 0 && campo < m_valores.size())
        m_valores[campo] = valor;
}

bool ValoresCabecalhoTrimestre::informarDigitado(int campo, const QString &texto)
{
    return informar(campo, Moeda::lerDigitado(texto.trimmed()));
}

void ValoresCabecalhoTrimestre::gravar()
{
    if (!m_lido || !alterado())
        return;
    QList<QPair<QString, QVariant>> valores;
    for (qsizetype i = 0; i < m_colunas.size(); ++i)
        valores.append({QString(m_colunas.at(i)), m_valores.at(i) ? m_valores.at(i)->paraBanco() : QVariant()});
    Transacao transacao(m_db);
    const QString estado = TrimestresEconomicos::GravarLinha(m_db, QLatin1StringView("QUADRORECEITASDESPESASUF"), m_codOper,
                                                             m_trimestre, valores, m_estado);
    transacao.confirmar();
    m_gravados = m_valores;
    m_estado = estado;
}

} // namespace kelpa
