#include "FluxoCaixa.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"

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

constexpr TabelaVersionada Tabela{QLatin1StringView("TA_FluxoCaixa"), QLatin1StringView("DT_INIC_VIGN_FLUXO_CAIXA"),
                                  QLatin1StringView("CD_FLUXO_CAIXA"),
                                  QLatin1StringView("DE_CONTA_FLUXO_CAIXA, TP_NATUREZA_CONTA, DE_HINT_CONTA_FLUXO_CAIXA"),
                                  QLatin1StringView("TB_FluxoCaixaValor"), QLatin1StringView("VL_CONTA_FLUXO_CAIXA")};

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
    : m_banco(Tabela, std::move(db), std::move(codOper), trimestre)
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

    m_versao = m_banco.versaoVigente();
    m_banco.lerLinhas(m_versao, [this](const Consulta &linha) {
        m_porCodigo.insert(linha.texto(QStringLiteral("CD_FLUXO_CAIXA")), static_cast<int>(m_linhas.size()));
        m_linhas.append({linha.texto(QStringLiteral("CD_FLUXO_CAIXA")), linha.texto(QStringLiteral("DE_CONTA_FLUXO_CAIXA")),
                         linha.texto(QStringLiteral("TP_NATUREZA_CONTA")).trimmed().toUpper(),
                         linha.texto(QStringLiteral("DE_HINT_CONTA_FLUXO_CAIXA"))});
    });
    const QHash<QString, Moeda> lidos = m_banco.lerValores(m_versao);
    for (auto it = lidos.cbegin(); it != lidos.cend(); ++it)
        if (camposEntrada().contains(it.key()) && existeLinha(it.key()))
            m_valores.insert(it.key(), it.value());
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
    QList<QPair<QString, Moeda>> gravados;
    for (const QString &codigo : camposEntrada() + camposTotalAtividade()) {
        const LinhaFluxoCaixa *l = linha(codigo);
        if (!l)
            continue; // a field without a line in this version is neither loaded nor saved
        const Moeda valor = m_valores.value(codigo);
        gravados.append({codigo, l->natureza == QLatin1String("C") ? valor.absoluto() : valor});
    }
    m_banco.gravar(m_versao, gravados);
    carregar();
}

} // namespace kelpa
