#include "ServicosOperadora.h"

#include "app/banco/Consulta.h"

namespace kelpa {

ServicosOperadora::ServicosOperadora(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
{
}

QString ServicosOperadora::registroMaisRecente(const QString &coluna) const
{
    // Program constant, not user input.
    Consulta q(m_db, QStringLiteral("SELECT %1 FROM CADASTRO WHERE CD_OPER = :CDOPER ORDER BY DT_INIC_VIGN DESC LIMIT 1").arg(coluna));
    q.bind(QStringLiteral(":CDOPER"), m_codOper);
    return q.primeira() ? q.valor(0).toString() : QString();
}

QString ServicosOperadora::ModalidadeOperadora() const
{
    return registroMaisRecente(QStringLiteral("CD_MODL"));
}

QString ServicosOperadora::SubmodalidadeOperadora() const
{
    return registroMaisRecente(QStringLiteral("CD_SUBM"));
}

bool ServicosOperadora::CadastroCompleto(QDate *dtUltimoCadastro) const
{
    Consulta ultimo(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS ULTIMO FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER"));
    ultimo.bind(QStringLiteral(":CDOPER"), m_codOper);
    const QDate data = ultimo.primeira() ? ultimo.data(QStringLiteral("ULTIMO")) : QDate();
    if (dtUltimoCadastro)
        *dtUltimoCadastro = data;
    if (!data.isValid())
        return false;

    Consulta q(m_db, QStringLiteral(
                         "SELECT B.NR_ENDERECO, B.ID_MUNC, B.DE_ENDR, B.NM_BAIR, B.CD_CEP, B.DE_MAIL, B.CD_REG_ATUACAO, "
                         "       A.CD_SUBM, B.ID_MUNC_CORRESP, B.CD_CEP_CORRESP, B.NM_BAIR_CORRESP, B.DE_ENDR_CORRESP, "
                         "       B.NR_ENDR_CORRESP "
                         "FROM CADASTRO A JOIN DADOSPESSOAS B ON B.CD_OPER = A.CD_OPER AND B.DT_INIC_VIGN = A.DT_INIC_VIGN "
                         "WHERE A.CD_OPER = :CDOPER AND A.DT_INIC_VIGN <= :DTVIGN AND B.ID_PSOA = 0 "
                         "ORDER BY A.DT_INIC_VIGN DESC LIMIT 1"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), data);
    if (!q.primeira())
        return false;
    for (int i = 0; i < 13; ++i)
        if (q.valor(i).isNull() || q.valor(i).toString().trimmed().isEmpty())
            return false;
    return true;
}

bool ServicosOperadora::QuadroAcionistasDisponivel() const
{
    Consulta q(m_db, QStringLiteral(
                         "SELECT 1 FROM CADASTRO WHERE CD_OPER = :CDOPER AND CD_SOCI = 'C' "
                         "AND CD_NATZ_JURD IN ('SCIVL','SOCIA','SCOTA','OUTRC') "
                         "AND CD_MODL IN ('ADMIN','AUTOG','MEGRP','ODGRP','SES') "
                         "AND CD_SUBM IN ('ADMPL','ADMSV','PATRS','SPP','SPSUS','MANTI','SPS','SSS','SSP','ST','SOM','SOP','SOT','SEM') "
                         "AND DT_INIC_VIGN = (SELECT MAX(DT_INIC_VIGN) FROM CADASTRO WHERE CD_OPER = :CDOPER)"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper);
    return q.primeira();
}

bool ServicosOperadora::AutogestaoPatrocinada() const
{
    const QString submodalidade = SubmodalidadeOperadora();
    return ModalidadeOperadora() == QLatin1String("AUTOG")
           && (submodalidade == QLatin1String("PATRM") || submodalidade == QLatin1String("PATRS"));
}

bool ServicosOperadora::DispensadaPlanoContas() const
{
    return (ModalidadeOperadora() == QLatin1String("ADMIN") && SubmodalidadeOperadora() == QLatin1String("ADMPL"))
           || AutogestaoPatrocinada();
}

bool ServicosOperadora::BloqueiaPorPlanoContas() const
{
    return !DispensadaPlanoContas() && PlanoContas2007Invalido(m_db, m_codOper, QDate(2007, 1, 1));
}

bool ServicosOperadora::PlanoContas2007Invalido(const QSqlDatabase &db, const QString &codOper, const QDate &referencia)
{
    Consulta q(db, QStringLiteral(
                       "SELECT MAX(V.DT_INIC_VIGN) AS LANCAMENTO, MAX(V.DT_INIC_VIGN_PLANO) AS PLANO, "
                       "       (SELECT MIN(C.DT_INIC_VIGN) FROM CADASTRO C WHERE C.CD_OPER = :CDOPER) AS PRIMEIRO "
                       "FROM PLANOCONTASVALOR V WHERE V.CD_OPER = :CDOPER"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    if (!q.primeira())
        return false;
    const QDate lancamento = q.data(QStringLiteral("LANCAMENTO"));
    const QDate plano = q.data(QStringLiteral("PLANO"));
    const QDate primeiro = q.data(QStringLiteral("PRIMEIRO"));
    if (!lancamento.isValid() || !plano.isValid() || !primeiro.isValid())
        return false;
    return plano >= primeiro && lancamento >= primeiro && primeiro <= referencia && plano > referencia;
}

bool ServicosOperadora::TransmissaoPermitida() const
{
    Consulta q(m_db, QStringLiteral("SELECT DE_PERI FROM VALIDACAO WHERE CD_OPER = :CDOPER AND TP_VLDC IN ('1','2')"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper);
    q.executar();
    while (q.proxima()) {
        const QString periodo = q.valor(0).toString().trimmed();
        if (periodo.isEmpty())
            return false;
        bool ok = false;
        const int numero = periodo.toInt(&ok);
        if ((ok ? numero : 0) >= 20051)
            return false;
    }
    return true;
}

QString ServicosOperadora::MensagemDispensa(const QString &modalidade)
{
    if (modalidade == QLatin1String("ADMIN"))
        return QStringLiteral("As Administradoras de Planos estão\rdispensadas de preencher este quadro.");
    return QStringLiteral("As Autogestões Patrocinadas, tanto singular\rquanto multipatrocinadas, estão dispensadas\rde preencher este quadro.");
}

QString ServicosOperadora::MensagemNaoUtiliza(const QString &modalidade)
{
    if (modalidade == QLatin1String("ADMIN"))
        return QStringLiteral("As Administradoras de Planos não\rutilizam este quadro.");
    return QStringLiteral("As Autogestões Patrocinadas, tanto singular\rquanto multipatrocinadas, não\rutilizam este quadro.");
}

} // namespace kelpa
