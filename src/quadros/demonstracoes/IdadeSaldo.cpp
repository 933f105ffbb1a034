#include "IdadeSaldo.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa {

const QString IdadeSaldo::Titulo = QStringLiteral("Quadro 15A: Distribuição por Idade de Saldos");
const QString IdadeSaldo::MensagemNegativo = QStringLiteral(
    "Valor inválido. \r\n Não é permitido valor negativo para este campo.\r Favor proceder correção");
const QString IdadeSaldo::MensagemSemLinhas = QStringLiteral("Não ha Registros de Idade de Saldo para essa data");

QString IdadeSaldo::tituloReceber(bool operadoraDePlanos)
{
    return operadoraDePlanos ? QStringLiteral("Faturas e Mensalidades a Receber") : QStringLiteral("Seguros a Receber");
}

QStringList IdadeSaldo::rotulosEventos(bool operadoraDePlanos)
{
    if (operadoraDePlanos)
        return {QStringLiteral("Eventos "), QStringLiteral("a"), QStringLiteral("Liquidar")};
    return {QStringLiteral("Provisão"), QStringLiteral("de Sinistro"), QStringLiteral("a Liquidar")};
}

const QList<IdadeSaldo::Coluna> &IdadeSaldo::colunas()
{
    static const QList<Coluna> lista{{1, true},   {8, true},   {15, true},  {22, true},  {29, true},
                                     {36, true},  {50, false}, {57, false}, {64, false}, {71, false}};
    return lista;
}

QStringList IdadeSaldo::camposEntrada()
{
    QStringList campos;
    for (const Coluna &c : colunas())
        for (int f = 0; f < Faixas; ++f)
            campos << c.codigo(f);
    return campos;
}

IdadeSaldo::IdadeSaldo(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

const LinhaIdadeSaldo *IdadeSaldo::linha(const QString &codigo) const
{
    const auto it = m_porCodigo.constFind(codigo);
    return it == m_porCodigo.cend() ? nullptr : &m_linhas.at(it.value());
}

bool IdadeSaldo::carregar()
{
    m_linhas.clear();
    m_porCodigo.clear();
    m_valores.clear();

    Consulta versao(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN_IDADE_SALDO) AS VERSAO FROM TA_IdadeSaldo "
                                         "WHERE DT_INIC_VIGN_IDADE_SALDO <= :DTVIGN"));
    versao.bind(QStringLiteral(":DTVIGN"), m_trimestre);
    m_versao = versao.primeira() ? versao.data(QStringLiteral("VERSAO")) : QDate();

    Consulta linhas(m_db, QStringLiteral("SELECT CD_IDADE_SALDO, TP_CONTA_IDADE_SALDO, DE_CONTA_IDADE_SALDO, "
                                         "DE_HINT_CONTA_IDADE_SALDO FROM TA_IdadeSaldo "
                                         "WHERE DT_INIC_VIGN_IDADE_SALDO = :VERSAO ORDER BY CD_IDADE_SALDO"));
    linhas.bind(QStringLiteral(":VERSAO"), m_versao);
    linhas.executar();
    while (linhas.proxima()) {
        m_porCodigo.insert(linhas.texto(QStringLiteral("CD_IDADE_SALDO")), static_cast<int>(m_linhas.size()));
        m_linhas.append({linhas.texto(QStringLiteral("CD_IDADE_SALDO")), linhas.texto(QStringLiteral("TP_CONTA_IDADE_SALDO")),
                         linhas.texto(QStringLiteral("DE_CONTA_IDADE_SALDO")),
                         linhas.texto(QStringLiteral("DE_HINT_CONTA_IDADE_SALDO"))});
    }

    Consulta valores(m_db, QStringLiteral("SELECT CD_IDADE_SALDO, VL_CONTA_IDADE_SALDO FROM TB_IdadeSaldoValor "
                                          "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                          "AND DT_INIC_VIGN_IDADE_SALDO = :VERSAO"));
    valores.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":VERSAO"), m_versao);
    valores.executar();
    const QStringList campos = camposEntrada();
    while (valores.proxima()) {
        const QString codigo = valores.texto(QStringLiteral("CD_IDADE_SALDO"));
        if (campos.contains(codigo) && existeLinha(codigo))
            m_valores.insert(codigo, Moeda::doBanco(valores.valor(QStringLiteral("VL_CONTA_IDADE_SALDO"))));
    }
    return !m_linhas.isEmpty();
}

bool IdadeSaldo::informar(const QString &codigo, Moeda valor, QString *mensagem)
{
    if (valor.negativo()) {
        m_valores.insert(codigo, Moeda());
        if (mensagem)
            *mensagem = MensagemNegativo;
        return false;
    }
    m_valores.insert(codigo, valor);
    return true;
}

Moeda IdadeSaldo::totalColuna(int coluna) const
{
    Moeda total;
    const Coluna &c = colunas().at(coluna);
    for (int f = 0; f < Faixas; ++f)
        total += valor(c.codigo(f));
    return total;
}

Moeda IdadeSaldo::totalFaixa(int faixa) const
{
    // Only the three plan columns: the administration fee column stays out.
    Moeda total;
    for (int coluna = 0; coluna < 3; ++coluna)
        total += valor(colunas().at(coluna).codigo(faixa));
    return total;
}

Moeda IdadeSaldo::totalGeral() const
{
    Moeda total;
    for (int f = 0; f < Faixas; ++f)
        total += totalFaixa(f);
    return total;
}

void IdadeSaldo::gravar()
{
    if (!m_versao.isValid())
        throw ErroBanco(MensagemSemLinhas);
    Transacao transacao(m_db);
    Consulta estado(m_db, QStringLiteral("SELECT LG_ALTR_TRAM, VL_CONTA_IDADE_SALDO FROM TB_IdadeSaldoValor "
                                         "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_IDADE_SALDO = :CODIGO "
                                         "AND DT_INIC_VIGN_IDADE_SALDO = :VERSAO"));
    Consulta atualiza(m_db, QStringLiteral("UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_IDADE_SALDO = :CODIGO "
                                           "AND DT_INIC_VIGN_IDADE_SALDO = :VERSAO"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO TB_IdadeSaldoValor (CD_OPER, DT_INIC_VIGN, CD_IDADE_SALDO, "
                                         "DT_INIC_VIGN_IDADE_SALDO, VL_CONTA_IDADE_SALDO, LG_ALTR_TRAM) "
                                         "VALUES (:CDOPER, :DTVIGN, :CODIGO, :VERSAO, :VALOR, 'N')"));
    for (const QString &codigo : camposEntrada()) {
        if (!existeLinha(codigo))
            continue; // shown, never stored
        const Moeda valor = m_valores.value(codigo);
        estado.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":CODIGO"), codigo)
            .bind(QStringLiteral(":VERSAO"), m_versao);
        const bool existe = estado.primeira();
        // A row whose amount is unchanged keeps its transmission state.
        if (existe && !estado.nulo(QStringLiteral("VL_CONTA_IDADE_SALDO"))
            && Moeda::doBanco(estado.valor(QStringLiteral("VL_CONTA_IDADE_SALDO"))) == valor)
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
