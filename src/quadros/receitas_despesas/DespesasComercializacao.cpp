#include "DespesasComercializacao.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"
#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"
#include "quadros/demonstracoes/MontagemEstrutura.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <algorithm>

namespace kelpa {

namespace {

const QString kChaveLinha = QStringLiteral("CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_DESPESA = :CODIGO "
                                           "AND DT_INIC_VIGN_DESP = :VERSAO AND ID_TIPO_PLANO = :PLANO");

} // namespace

DespesasComercializacao::DespesasComercializacao(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

QString DespesasComercializacao::titulo()
{
    return QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre");
}

const RegraModalidade &DespesasComercializacao::regraModalidade()
{
    static const RegraModalidade regra = [] {
        const QStringList naturezas{QStringLiteral("EMIND"), QStringLiteral("DEPEX"), QStringLiteral("EMPUB"),
                                    QStringLiteral("SCOTA"), QStringLiteral("SCIVL"), QStringLiteral("SOCIA"),
                                    QStringLiteral("OUTRC")};
        const QStringList segmentosAssistencia{QStringLiteral("SPP"), QStringLiteral("SPSUS"), QStringLiteral("SPS"),
                                               QStringLiteral("SSP"), QStringLiteral("SSS"), QStringLiteral("ST"),
                                               QStringLiteral("SOM"), QStringLiteral("SOP"), QStringLiteral("SOT"),
                                               QStringLiteral("SEM"), QStringLiteral("MANTI")};
        const QStringList segmentosAdministradora{QStringLiteral("ADMPL"), QStringLiteral("ADMSV")};
        // The non-profit operators are those of Quadro 8.
        RegraModalidade r{{RegraModalidade::contraprestacoes().grupos.first()}, true};
        r.grupos << GrupoModalidade{QStringLiteral("C"), naturezas,
                                    {QStringLiteral("MEGRP"), QStringLiteral("ODGRP"), QStringLiteral("SES")},
                                    segmentosAssistencia + segmentosAdministradora};
        // A plan administrator fills it, but one that administers plans or services
        // does so only as a public company or a corporation.
        r.grupos << GrupoModalidade{QStringLiteral("C"), naturezas, {QStringLiteral("ADMIN")}, segmentosAssistencia};
        r.grupos << GrupoModalidade{QStringLiteral("C"), {QStringLiteral("EMPUB"), QStringLiteral("SOCIA")},
                                    {QStringLiteral("ADMIN")}, segmentosAdministradora};
        return r;
    }();
    return regra;
}

bool DespesasComercializacao::somenteOdonto(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre)
{
    return ContraprestacoesLiquidas::segmento(db, codOper, trimestre).value_or(QChar(u'C')) == u'O';
}

int DespesasComercializacao::criarLinhasFaltantes()
{
    const MontagemEstrutura montagem(m_db, m_codOper, m_trimestre);
    const QDate versao = montagem.VersaoDoTrimestre(QStringLiteral("TB_DESPESAS_COMERC"), QStringLiteral("DT_INIC_VIGN_DESP"),
                                                    QStringLiteral("DESPESAS_COMERC_VALOR"));
    if (!versao.isValid())
        return 0;
    Transacao transacao(m_db);
    Consulta insere(m_db, QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, "
                                         "DT_INIC_VIGN_DESP, CD_DESPESA, LG_ALTR_TRAM) "
                                         "SELECT :CDOPER, :DTVIGN, ID_TIPO_PLANO, DT_INIC_VIGN_DESP, CD_DESPESA, 'N' "
                                         "FROM TB_DESPESAS_COMERC I WHERE DT_INIC_VIGN_DESP = :VERSAO AND NOT EXISTS "
                                         "(SELECT 1 FROM DESPESAS_COMERC_VALOR V WHERE V.CD_OPER = :CDOPER "
                                         "AND V.DT_INIC_VIGN = :DTVIGN AND V.DT_INIC_VIGN_DESP = I.DT_INIC_VIGN_DESP "
                                         "AND V.CD_DESPESA = I.CD_DESPESA) ORDER BY CD_DESPESA"));
    insere.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":VERSAO"), versao)
        .executar();
    const int criadas = insere.linhasAfetadas();
    transacao.confirmar();
    return criadas;
}

void DespesasComercializacao::lerItens()
{
    // Every row of the quarter counts in "Total Geral:", even one whose item is no
    // longer listed; the grids show the listed ones.
    Consulta q(m_db, QStringLiteral("SELECT V.CD_DESPESA, V.ID_TIPO_PLANO, V.DT_INIC_VIGN_DESP, V.VL_DESPESA, "
                                    "V.LG_ALTR_TRAM, I.DE_DESPESA, I.DE_HINT_DESPESA_COMERC, I.TP_DESPESA "
                                    "FROM DESPESAS_COMERC_VALOR V LEFT JOIN TB_DESPESAS_COMERC I "
                                    "ON I.DT_INIC_VIGN_DESP = V.DT_INIC_VIGN_DESP AND I.CD_DESPESA = V.CD_DESPESA "
                                    "AND I.ID_TIPO_PLANO = V.ID_TIPO_PLANO "
                                    "WHERE V.CD_OPER = :CDOPER AND V.DT_INIC_VIGN = :DTVIGN "
                                    "ORDER BY V.CD_DESPESA, V.DT_INIC_VIGN_DESP"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    q.executar();
    m_itens.clear();
    while (q.proxima()) {
        ItemDespesaComerc item;
        item.codigo = q.texto(QStringLiteral("CD_DESPESA"));
        item.tipoPlano = q.texto(QStringLiteral("ID_TIPO_PLANO"));
        item.versao = q.data(QStringLiteral("DT_INIC_VIGN_DESP"));
        item.descricao = q.texto(QStringLiteral("DE_DESPESA"));
        item.dica = q.texto(QStringLiteral("DE_HINT_DESPESA_COMERC"));
        const QString tipo = q.texto(QStringLiteral("TP_DESPESA")).trimmed().toUpper();
        item.tipo = tipo.isEmpty() ? QChar() : tipo.at(0);
        if (!q.nulo(QStringLiteral("VL_DESPESA")))
            item.valor = Moeda::doBanco(q.valor(QStringLiteral("VL_DESPESA")));
        item.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
        m_itens << item;
    }
}

void DespesasComercializacao::carregar()
{
    lerItens();
    m_desfazer = m_itens;
}

QList<ItemDespesaComerc> DespesasComercializacao::itens(QChar tipo) const
{
    QList<ItemDespesaComerc> doTipo;
    for (const ItemDespesaComerc &i : m_itens)
        if (i.tipo == tipo)
            doTipo << i;
    return doTipo;
}

const ItemDespesaComerc *DespesasComercializacao::item(const QString &codigo) const
{
    for (const ItemDespesaComerc &i : m_itens)
        if (i.codigo == codigo)
            return &i;
    return nullptr;
}

Moeda DespesasComercializacao::total(QChar tipo) const
{
    Moeda soma;
    for (const ItemDespesaComerc &i : m_itens)
        if (i.tipo == tipo)
            soma += i.valorOuZero();
    return soma;
}

Moeda DespesasComercializacao::totalGeral() const
{
    Moeda soma;
    for (const ItemDespesaComerc &i : m_itens)
        soma += i.valorOuZero();
    return soma;
}

bool DespesasComercializacao::informar(const QString &codigo, Moeda valor)
{
    const ItemDespesaComerc *atual = item(codigo);
    if (!atual)
        return false;
    if (atual->valor == valor)
        return true;
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = :VALOR, LG_ALTR_TRAM = :ESTADO WHERE %1")
                       .arg(kChaveLinha))
        .bind(QStringLiteral(":VALOR"), valor.paraBanco())
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(atual->estadoTransmissao))
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":CODIGO"), atual->codigo)
        .bind(QStringLiteral(":VERSAO"), atual->versao)
        .bind(QStringLiteral(":PLANO"), atual->tipoPlano)
        .executar();
    transacao.confirmar();
    lerItens();
    return true;
}

bool DespesasComercializacao::informarDigitado(const QString &codigo, const QString &texto)
{
    return informar(codigo, Moeda::lerDigitado(texto.trimmed()));
}

bool DespesasComercializacao::alterado() const
{
    if (m_itens.size() != m_desfazer.size())
        return true;
    for (qsizetype i = 0; i < m_itens.size(); ++i)
        if (m_itens.at(i).valor != m_desfazer.at(i).valor || m_itens.at(i).estadoTransmissao != m_desfazer.at(i).estadoTransmissao)
            return true;
    return false;
}

void DespesasComercializacao::desfazer()
{
    lerItens();
    Transacao transacao(m_db);
    Consulta volta(m_db, QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = :VALOR, LG_ALTR_TRAM = :ESTADO WHERE %1")
                             .arg(kChaveLinha));
    for (const ItemDespesaComerc &antes : std::as_const(m_desfazer)) {
        const auto agora = std::find_if(m_itens.cbegin(), m_itens.cend(), [&antes](const ItemDespesaComerc &i) {
            return i.codigo == antes.codigo && i.versao == antes.versao && i.tipoPlano == antes.tipoPlano;
        });
        if (agora != m_itens.cend() && agora->valor == antes.valor && agora->estadoTransmissao == antes.estadoTransmissao)
            continue;
        volta.bind(QStringLiteral(":VALOR"), antes.valor ? antes.valor->paraBanco() : QVariant())
            .bind(QStringLiteral(":ESTADO"), antes.estadoTransmissao.isEmpty() ? QVariant() : QVariant(antes.estadoTransmissao))
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), antes.codigo)
            .bind(QStringLiteral(":VERSAO"), antes.versao)
            .bind(QStringLiteral(":PLANO"), antes.tipoPlano)
            .executar();
    }
    transacao.confirmar();
    lerItens();
}

} // namespace kelpa
