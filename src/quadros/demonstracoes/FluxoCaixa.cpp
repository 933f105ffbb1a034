#include "FluxoCaixa.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa {

const QString FluxoCaixa::Titulo = QStringLiteral("Quadro 15: Fluxo de Caixa");
const QString FluxoCaixa::AvisoSomenteDesde2006 = QStringLiteral(
    "   Quadro disponível somente para  \r\n informações a partir do 1º Trimestre \r\n                          2006.             ");
const QString FluxoCaixa::MensagemNegativo = QStringLiteral(
    "Valor inválido. \r\n Não é permitido valor negativo para este campo.\r Favor proceder correção");
const QString FluxoCaixa::MensagemSemLinhas = QStringLiteral("Não ha Registros de Fluxo de Caixa para essa data");
const QString FluxoCaixa::MensagemCodigoInvalido = QStringLiteral(
    "Código de Fluxo de Caixa (CD_FLUXO_CAIXA) inválido. Existe inconsistência na base de dados");

namespace {

QStringList faixa(int de, int ate)
{
    QStringList codigos;
    for (int i = de; i <= ate; ++i)
        codigos << QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    return codigos;
}

} // namespace

const QStringList &FluxoCaixa::camposEntrada()
{
    static const QStringList campos = QStringList{QStringLiteral("000")} + faixa(101, 112) + faixa(201, 210) + faixa(301, 311);
    return campos;
}

const QStringList &FluxoCaixa::camposTotalAtividade()
{
    static const QStringList campos{QStringLiteral("113"), QStringLiteral("211"), QStringLiteral("312")};
    return campos;
}

QString FluxoCaixa::totalDaAtividade(const QString &codigo)
{
    const int n = codigo.toInt();
    if (n >= 101 && n <= 112)
        return QStringLiteral("113");
    if (n >= 201 && n <= 210)
        return QStringLiteral("211");
    if (n >= 301 && n <= 311)
        return QStringLiteral("312");
    return {};
}

FluxoCaixa::FluxoCaixa(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

const LinhaFluxoCaixa *FluxoCaixa::linha(const QString &codigo) const
{
    const auto it = m_porCodigo.constFind(codigo);
    return it == m_porCodigo.cend() ? nullptr : &m_linhas.at(it.value());
}

bool FluxoCaixa::carregar()
{
    m_linhas.clear();
    m_porCodigo.clear();
    m_valores.clear();

    Consulta versao(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN_FLUXO_CAIXA) AS VERSAO FROM TA_FluxoCaixa "
                                         "WHERE DT_INIC_VIGN_FLUXO_CAIXA <= :DTVIGN"));
    versao.bind(QStringLiteral(":DTVIGN"), m_trimestre);
    m_versao = versao.primeira() ? versao.data(QStringLiteral("VERSAO")) : QDate();

    Consulta linhas(m_db, QStringLiteral("SELECT CD_FLUXO_CAIXA, DE_CONTA_FLUXO_CAIXA, TP_NATUREZA_CONTA, "
                                         "DE_HINT_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa "
                                         "WHERE DT_INIC_VIGN_FLUXO_CAIXA = :VERSAO ORDER BY CD_FLUXO_CAIXA"));
    linhas.bind(QStringLiteral(":VERSAO"), m_versao);
    linhas.executar();
    while (linhas.proxima()) {
        m_porCodigo.insert(linhas.texto(QStringLiteral("CD_FLUXO_CAIXA")), static_cast<int>(m_linhas.size()));
        m_linhas.append({linhas.texto(QStringLiteral("CD_FLUXO_CAIXA")), linhas.texto(QStringLiteral("DE_CONTA_FLUXO_CAIXA")),
                         linhas.texto(QStringLiteral("TP_NATUREZA_CONTA")).trimmed().toUpper(),
                         linhas.texto(QStringLiteral("DE_HINT_CONTA_FLUXO_CAIXA"))});
    }

    Consulta valores(m_db, QStringLiteral("SELECT CD_FLUXO_CAIXA, VL_CONTA_FLUXO_CAIXA FROM TB_FluxoCaixaValor "
                                          "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                          "AND DT_INIC_VIGN_FLUXO_CAIXA = :VERSAO"));
    valores.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":VERSAO"), m_versao);
    valores.executar();
    while (valores.proxima()) {
        const QString codigo = valores.texto(QStringLiteral("CD_FLUXO_CAIXA"));
        if (camposEntrada().contains(codigo) && existeLinha(codigo))
            m_valores.insert(codigo, Moeda::doBanco(valores.valor(QStringLiteral("VL_CONTA_FLUXO_CAIXA"))));
    }
    recalcular();
    return !m_linhas.isEmpty();
}

EntradaFluxo FluxoCaixa::informar(const QString &codigo, Moeda valor)
{
    EntradaFluxo entrada;
    entrada.valor = valor;
    if (const LinhaFluxoCaixa *l = linha(codigo)) {
        if (l->natureza == QLatin1String("C") && valor.negativo())
            entrada = {false, Moeda(), MensagemNegativo};
        else if (l->natureza == QLatin1String("D") && valor.positivo())
            entrada.valor = -valor;
    }
    if (camposEntrada().contains(codigo)) {
        m_valores.insert(codigo, entrada.valor);
        recalcular();
    }
    return entrada;
}

Moeda FluxoCaixa::valor(const QString &codigo) const
{
    return m_valores.value(codigo);
}

void FluxoCaixa::recalcular()
{
    // An activity total adds every other field of its page, present in the version or not.
    for (const QString &total : camposTotalAtividade())
        m_valores.insert(total, Moeda());
    for (const QString &campo : camposEntrada()) {
        const QString total = totalDaAtividade(campo);
        if (!total.isEmpty())
            m_valores[total] += m_valores.value(campo);
    }
    m_valores.insert(QStringLiteral("011"), m_valores.value(QStringLiteral("113")));
    m_valores.insert(QStringLiteral("012"), m_valores.value(QStringLiteral("211")));
    m_valores.insert(QStringLiteral("013"), m_valores.value(QStringLiteral("312")));
    const Moeda doTrimestre = m_valores.value(QStringLiteral("011")) + m_valores.value(QStringLiteral("012"))
                              + m_valores.value(QStringLiteral("013"));
    m_valores.insert(QStringLiteral("014"), doTrimestre);
    m_valores.insert(QStringLiteral("015"), doTrimestre + m_valores.value(QStringLiteral("000")));
}

void FluxoCaixa::gravar()
{
    if (!m_versao.isValid())
        throw ErroBanco(MensagemSemLinhas);
    recalcular();
    Transacao transacao(m_db);
    Consulta estado(m_db, QStringLiteral("SELECT LG_ALTR_TRAM, VL_CONTA_FLUXO_CAIXA FROM TB_FluxoCaixaValor WHERE CD_OPER = :CDOPER "
                                         "AND DT_INIC_VIGN = :DTVIGN AND CD_FLUXO_CAIXA = :CODIGO "
                                         "AND DT_INIC_VIGN_FLUXO_CAIXA = :VERSAO"));
    Consulta atualiza(m_db, QStringLiteral("UPDATE TB_FluxoCaixaValor SET VL_CONTA_FLUXO_CAIXA = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_FLUXO_CAIXA = :CODIGO "
                                           "AND DT_INIC_VIGN_FLUXO_CAIXA = :VERSAO"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO TB_FluxoCaixaValor (CD_OPER, DT_INIC_VIGN, CD_FLUXO_CAIXA, "
                                         "DT_INIC_VIGN_FLUXO_CAIXA, VL_CONTA_FLUXO_CAIXA, LG_ALTR_TRAM) "
                                         "VALUES (:CDOPER, :DTVIGN, :CODIGO, :VERSAO, :VALOR, 'N')"));
    for (const QString &codigo : camposEntrada() + camposTotalAtividade()) {
        const LinhaFluxoCaixa *l = linha(codigo);
        if (!l)
            continue; // a field without a line in this version is neither loaded nor saved
        Moeda valor = m_valores.value(codigo);
        if (l->natureza == QLatin1String("C"))
            valor = valor.absoluto();
        estado.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), codigo)
            .bind(QStringLiteral(":VERSAO"), m_versao);
        const bool existe = estado.primeira();
        // A row whose amount is unchanged keeps its transmission state.
        if (existe && !estado.nulo(QStringLiteral("VL_CONTA_FLUXO_CAIXA"))
            && Moeda::doBanco(estado.valor(QStringLiteral("VL_CONTA_FLUXO_CAIXA"))) == valor)
            continue;
        Consulta &escrita = existe ? atualiza : insere;
        if (existe)
            atualiza.bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(estado.texto(QStringLiteral("LG_ALTR_TRAM"))));
        escrita.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), codigo)
            .bind(QStringLiteral(":VERSAO"), m_versao)
            .bind(QStringLiteral(":VALOR"), valor.paraBanco())
            .executar();
    }
    transacao.confirmar();
    carregar();
}

} // namespace kelpa
