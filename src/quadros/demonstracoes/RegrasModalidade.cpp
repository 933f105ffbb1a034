#include "RegrasModalidade.h"

#include "app/banco/Consulta.h"

namespace kelpa {

bool GrupoModalidade::atende(const QString &soci, const QString &natureza, const QString &modalidade,
                             const QString &submodalidade) const
{
    auto aceita = [](const QStringList &lista, const QString &valor) { return lista.isEmpty() || lista.contains(valor); };
    return (sociedade.isEmpty() || soci == sociedade) && aceita(naturezasJuridicas, natureza) && aceita(modalidades, modalidade)
           && aceita(submodalidades, submodalidade);
}

const RegraModalidade &RegraModalidade::demonstracoes()
{
    static const RegraModalidade regra{
        {
            {QStringLiteral("S"),
             {QStringLiteral("ASSOC"), QStringLiteral("FUNDA"), QStringLiteral("OUTRS")},
             {QStringLiteral("AUTOG")},
             {QStringLiteral("PATRM"), QStringLiteral("PATRS"), QStringLiteral("MANTI")}},
            {QStringLiteral("C"),
             {QStringLiteral("EMPUB"), QStringLiteral("OUTRC"), QStringLiteral("EMIND"), QStringLiteral("DEPEX"),
              QStringLiteral("SOCIA"), QStringLiteral("SCOTA"), QStringLiteral("SCIVL")},
             {QStringLiteral("AUTOG")},
             {QStringLiteral("PATRS"), QStringLiteral("ADMPL"), QStringLiteral("ADMSV"), QStringLiteral("MANTI")}},
        },
        false};
    return regra;
}

const RegraModalidade &RegraModalidade::contraprestacoes()
{
    static const RegraModalidade regra{
        {
            {QStringLiteral("S"),
             {QStringLiteral("ASSOC"), QStringLiteral("FUNDA"), QStringLiteral("OUTRS"), QStringLiteral("SCIVS"),
              QStringLiteral("SCOOP")},
             {QStringLiteral("AUTOG"), QStringLiteral("FILAN"), QStringLiteral("MEGRP"), QStringLiteral("ODGRP"),
              QStringLiteral("COOPM"), QStringLiteral("COOPO")},
             {QStringLiteral("NPATR"), QStringLiteral("MANTI"), QStringLiteral("SPP"), QStringLiteral("SPSUS"),
              QStringLiteral("SPS"), QStringLiteral("SSP"), QStringLiteral("SSS"), QStringLiteral("ST"),
              QStringLiteral("SOM"), QStringLiteral("SOP"), QStringLiteral("SOT")}},
            {QStringLiteral("C"),
             {QStringLiteral("EMIND"), QStringLiteral("DEPEX"), QStringLiteral("EMPUB"), QStringLiteral("SCOTA"),
              QStringLiteral("SCIVL"), QStringLiteral("SOCIA"), QStringLiteral("OUTRC")},
             {QStringLiteral("MEGRP"), QStringLiteral("ODGRP"), QStringLiteral("SES")},
             {QStringLiteral("SPP"), QStringLiteral("SPSUS"), QStringLiteral("SPS"), QStringLiteral("SSP"),
              QStringLiteral("SSS"), QStringLiteral("ST"), QStringLiteral("SOM"), QStringLiteral("SOP"),
              QStringLiteral("SOT"), QStringLiteral("SEM"), QStringLiteral("MANTI")}},
        },
        true};
    return regra;
}

const RegraModalidade &RegraModalidade::provisoesTecnicas()
{
    static const RegraModalidade regra{
        {
            {QStringLiteral("S"),
             {QStringLiteral("ASSOC"), QStringLiteral("FUNDA"), QStringLiteral("OUTRS")},
             {QStringLiteral("AUTOG")},
             {QStringLiteral("PATRM"), QStringLiteral("PATRS")}},
            {QStringLiteral("C"),
             {QStringLiteral("EMPUB"), QStringLiteral("OUTRC"), QStringLiteral("EMIND"), QStringLiteral("DEPEX"),
              QStringLiteral("SOCIA"), QStringLiteral("SCOTA"), QStringLiteral("SCIVL")},
             {QStringLiteral("AUTOG")},
             {QStringLiteral("PATRS"), QStringLiteral("ADMPL"), QStringLiteral("ADMSV")}},
            {QString(), {}, {QStringLiteral("ADMIN")}, {}},
        },
        false};
    return regra;
}

bool RegraModalidade::dispensada(const QSqlDatabase &db, const QString &codOper) const
{
    // Every row of the newest period counts, as the registration may hold ties.
    Consulta q(db, QStringLiteral("SELECT CD_NATZ_JURD, CD_SOCI, CD_MODL, CD_SUBM FROM CADASTRO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = "
                                  "(SELECT MAX(DT_INIC_VIGN) FROM CADASTRO WHERE CD_OPER = :CDOPER)"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    q.executar();
    bool atende = false;
    while (!atende && q.proxima()) {
        for (const GrupoModalidade &grupo : grupos) {
            if (grupo.atende(q.texto(QStringLiteral("CD_SOCI")), q.texto(QStringLiteral("CD_NATZ_JURD")),
                             q.texto(QStringLiteral("CD_MODL")), q.texto(QStringLiteral("CD_SUBM")))) {
                atende = true;
                break;
            }
        }
    }
    return listaDeInclusao ? !atende : atende;
}

} // namespace kelpa
