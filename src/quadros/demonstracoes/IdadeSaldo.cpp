#include "IdadeSaldo.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"

namespace kelpa {

namespace {

constexpr TabelaVersionada Tabela{QLatin1StringView("TA_IdadeSaldo"), QLatin1StringView("DT_INIC_VIGN_IDADE_SALDO"),
                                  QLatin1StringView("CD_IDADE_SALDO"),
                                  QLatin1StringView("TP_CONTA_IDADE_SALDO, DE_CONTA_IDADE_SALDO, DE_HINT_CONTA_IDADE_SALDO"),
                                  QLatin1StringView("TB_IdadeSaldoValor"), QLatin1StringView("VL_CONTA_IDADE_SALDO")};

} // namespace

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
    : m_banco(Tabela, std::move(db), std::move(codOper), trimestre)
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

    m_versao = m_banco.versaoVigente();
    m_banco.lerLinhas(m_versao, [this](const Consulta &linha) {
        m_porCodigo.insert(linha.texto(QStringLiteral("CD_IDADE_SALDO")), static_cast<int>(m_linhas.size()));
        m_linhas.append({linha.texto(QStringLiteral("CD_IDADE_SALDO")), linha.texto(QStringLiteral("TP_CONTA_IDADE_SALDO")),
                         linha.texto(QStringLiteral("DE_CONTA_IDADE_SALDO")),
                         linha.texto(QStringLiteral("DE_HINT_CONTA_IDADE_SALDO"))});
    });
    const QHash<QString, Moeda> lidos = m_banco.lerValores(m_versao);
    const QStringList campos = camposEntrada();
    for (auto it = lidos.cbegin(); it != lidos.cend(); ++it)
        if (campos.contains(it.key()) && existeLinha(it.key()))
            m_valores.insert(it.key(), it.value());
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
    QList<QPair<QString, Moeda>> gravados;
    for (const QString &codigo : camposEntrada())
        if (existeLinha(codigo)) // a field without a line is shown, never stored
            gravados.append({codigo, m_valores.value(codigo)});
    m_banco.gravar(m_versao, gravados);
    carregar();
}

} // namespace kelpa
