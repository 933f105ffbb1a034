#include "DemonstracaoContabil.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

#include <QSet>

#include <algorithm>
#include <functional>

namespace kelpa {

QString ContaDemonstracao::descricaoRecuada() const
{
    const int recuo = std::max(0, nivel() - 1) * 5;
    return (QString(recuo, u' ') + descricao).left(250);
}

DemonstracaoContabil::DemonstracaoContabil(QSqlDatabase db, QString codOper, QDate trimestre, QChar tipo)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
    , m_tipo(tipo)
{
}

QString DemonstracaoContabil::titulo(QChar tipo)
{
    switch (tipo.unicode()) {
    case u'A':
        return QStringLiteral("Quadro 11: Balanço Patrimonial Ativo");
    case u'P':
        return QStringLiteral("Quadro 12: Balanço Patrimonial Passivo");
    case u'R':
        return QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício");
    default:
        return {};
    }
}

QString DemonstracaoContabil::nomeTotal(QChar tipo)
{
    switch (tipo.unicode()) {
    case u'A':
        return QStringLiteral("Total do Ativo");
    case u'P':
        return QStringLiteral("Total do Passivo");
    case u'R':
        return QStringLiteral("Resultado Líquido");
    default:
        return {};
    }
}

void DemonstracaoContabil::carregar()
{
    Consulta q(m_db, QStringLiteral(
                         "SELECT A.CD_CONTA_REFERENCIA, A.VL_CONTA_REFERENCIA, A.LG_ALTR_TRAM, A.ID_TIPO_PLANO, "
                         "       A.DT_INIC_VIGN_PLANO, B.CD_CONTA_CONTABIL, B.DE_CONTA_CONTABIL, B.TP_EDITAR, "
                         "       B.CD_CONTA_COMPOE, B.DE_HINT_CONTA_CONTABIL "
                         "FROM PLANOCONTASVALOR A JOIN TB_PLANOCONTAS B ON B.ID_TIPO_PLANO = A.ID_TIPO_PLANO "
                         "  AND B.DT_INIC_VIGN_PLANO = A.DT_INIC_VIGN_PLANO AND B.CD_CONTA_REFERENCIA = A.CD_CONTA_REFERENCIA "
                         "WHERE A.CD_OPER = :CDOPER AND A.DT_INIC_VIGN = :DTVIGN AND B.TP_CONTA_CONTABIL = :TPCONT "
                         "ORDER BY B.CD_CONTA_ORDEM"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":TPCONT"), QString(m_tipo));
    q.executar();
    m_contas.clear();
    m_indice.clear();
    m_filhos.clear();
    m_desfazer.clear();
    while (q.proxima()) {
        ContaDemonstracao c;
        c.referencia = q.texto(QStringLiteral("CD_CONTA_REFERENCIA"));
        c.contabil = q.texto(QStringLiteral("CD_CONTA_CONTABIL"));
        c.descricao = q.texto(QStringLiteral("DE_CONTA_CONTABIL"));
        c.tipoEditar = q.texto(QStringLiteral("TP_EDITAR"));
        c.compoe = q.texto(QStringLiteral("CD_CONTA_COMPOE")).trimmed();
        c.dica = q.texto(QStringLiteral("DE_HINT_CONTA_CONTABIL"));
        c.idTipoPlano = q.texto(QStringLiteral("ID_TIPO_PLANO"));
        c.versaoPlano = q.data(QStringLiteral("DT_INIC_VIGN_PLANO"));
        c.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
        c.valor = Moeda::doBanco(q.valor(QStringLiteral("VL_CONTA_REFERENCIA")));
        const int i = static_cast<int>(m_contas.size());
        m_indice.insert(c.referencia, i);
        m_filhos[c.compoe].append(i);
        m_desfazer.append({c.valor, c.estadoTransmissao});
        m_contas.append(c);
    }
    m_alterado = false;
}

Moeda DemonstracaoContabil::valorAGravar(int linha, Moeda valor) const
{
    return (m_contas.at(linha).deducao() && valor.positivo()) ? -valor : valor;
}

Moeda DemonstracaoContabil::somaDosFilhos(const QString &referencia) const
{
    Moeda soma;
    for (int filho : m_filhos.value(referencia))
        soma += m_contas.at(filho).valor;
    return soma;
}

void DemonstracaoContabil::totalizarAcima(int linha, QHash<int, Moeda> &novos) const
{
    auto valorAtual = [&](int i) { return novos.contains(i) ? novos.value(i) : m_contas.at(i).valor; };
    int atual = linha;
    // A chart whose parents loop would never end: no chain is longer than the chart.
    for (qsizetype passos = 0; passos < m_contas.size(); ++passos) {
        const QString pai = m_contas.at(atual).compoe;
        if (pai.isEmpty() || pai == QLatin1String("0"))
            return;
        const int linhaPai = indice(pai);
        if (linhaPai < 0)
            return;
        Moeda soma;
        for (int filho : m_filhos.value(pai))
            soma += valorAtual(filho);
        const Moeda novo = valorAGravar(linhaPai, soma);
        if (novo != m_contas.at(linhaPai).valor)
            novos.insert(linhaPai, novo);
        else
            novos.remove(linhaPai);
        atual = linhaPai;
    }
}

QList<int> DemonstracaoContabil::gravar(const QHash<int, Moeda> &novos)
{
    QList<int> alteradas;
    for (auto it = novos.cbegin(); it != novos.cend(); ++it)
        if (it.value() != m_contas.at(it.key()).valor)
            alteradas.append(it.key());
    std::sort(alteradas.begin(), alteradas.end());
    if (alteradas.isEmpty())
        return alteradas;

    QList<QString> estados;
    Transacao transacao(m_db);
    Consulta atualiza(m_db, QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_TIPO_PLANO = :TIPOPLANO "
                                           "AND DT_INIC_VIGN_PLANO = :VERSAO AND CD_CONTA_REFERENCIA = :CONTA"));
    for (int i : alteradas) {
        const ContaDemonstracao &c = m_contas.at(i);
        const QString estado = EstadoTransmissaoAoGravar(c.estadoTransmissao);
        estados.append(estado);
        atualiza.bind(QStringLiteral(":VALOR"), novos.value(i).paraBanco())
            .bind(QStringLiteral(":ESTADO"), estado)
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":TIPOPLANO"), c.idTipoPlano)
            .bind(QStringLiteral(":VERSAO"), c.versaoPlano)
            .bind(QStringLiteral(":CONTA"), c.referencia)
            .executar();
    }
    transacao.confirmar();
    // Only now does the model follow: a refused write leaves it as the database is.
    for (int k = 0; k < alteradas.size(); ++k) {
        ContaDemonstracao &c = m_contas[alteradas.at(k)];
        c.valor = novos.value(alteradas.at(k));
        c.estadoTransmissao = estados.at(k);
    }
    m_alterado = true;
    return alteradas;
}

QList<int> DemonstracaoContabil::digitar(int linha, const QString &texto)
{
    return definirValor(linha, Moeda::lerDigitado(texto));
}

QList<int> DemonstracaoContabil::definirValor(int linha, Moeda valor)
{
    if (linha < 0 || linha >= m_contas.size() || !m_contas.at(linha).editavel())
        return {};
    QHash<int, Moeda> novos;
    const Moeda novo = valorAGravar(linha, valor);
    if (novo == m_contas.at(linha).valor)
        return {};
    novos.insert(linha, novo);
    totalizarAcima(linha, novos);
    return gravar(novos);
}

QList<int> DemonstracaoContabil::definirValores(const QHash<QString, Moeda> &valoresPorReferencia)
{
    QHash<int, Moeda> novos;
    for (auto it = valoresPorReferencia.cbegin(); it != valoresPorReferencia.cend(); ++it) {
        const int linha = indice(it.key());
        if (linha < 0 || !m_contas.at(linha).editavel())
            continue;
        novos.insert(linha, valorAGravar(linha, it.value()));
    }
    // Every total from the leaves up, whatever the order of the accounts.
    QHash<int, Moeda> calculados;
    QSet<int> emCurso;
    std::function<Moeda(int)> total = [&](int i) -> Moeda {
        if (calculados.contains(i))
            return calculados.value(i);
        const QList<int> filhos = m_filhos.value(m_contas.at(i).referencia);
        Moeda valor = novos.contains(i) ? novos.value(i) : m_contas.at(i).valor;
        if (!filhos.isEmpty() && !emCurso.contains(i)) {
            emCurso.insert(i);
            Moeda soma;
            for (int f : filhos)
                soma += total(f);
            emCurso.remove(i);
            valor = valorAGravar(i, soma);
        }
        calculados.insert(i, valor);
        return valor;
    };
    for (int i = 0; i < m_contas.size(); ++i)
        total(i);
    return gravar(calculados);
}

void DemonstracaoContabil::desfazer()
{
    Transacao transacao(m_db);
    Consulta atualiza(m_db, QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_TIPO_PLANO = :TIPOPLANO "
                                           "AND DT_INIC_VIGN_PLANO = :VERSAO AND CD_CONTA_REFERENCIA = :CONTA"));
    for (int i = 0; i < m_contas.size(); ++i) {
        const ContaDemonstracao &c = m_contas.at(i);
        const auto &[valor, estado] = m_desfazer.at(i);
        if (c.valor == valor && c.estadoTransmissao == estado)
            continue;
        atualiza.bind(QStringLiteral(":VALOR"), valor.paraBanco())
            .bind(QStringLiteral(":ESTADO"), estado)
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":TIPOPLANO"), c.idTipoPlano)
            .bind(QStringLiteral(":VERSAO"), c.versaoPlano)
            .bind(QStringLiteral(":CONTA"), c.referencia)
            .executar();
    }
    transacao.confirmar();
    for (int i = 0; i < m_contas.size(); ++i) {
        m_contas[i].valor = m_desfazer.at(i).first;
        m_contas[i].estadoTransmissao = m_desfazer.at(i).second;
    }
    m_alterado = false;
}

QString DemonstracaoContabil::textoValor(int linha) const
{
    const ContaDemonstracao &c = m_contas.at(linha);
    const Moeda v = (c.editavel() && c.deducao() && c.valor.positivo()) ? -c.valor : c.valor;
    return v.texto();
}

QString DemonstracaoContabil::textoParaEdicao(int linha) const
{
    QString t = textoValor(linha);
    t.remove(u'.');
    return t.isEmpty() ? QStringLiteral("0,00") : t;
}

bool DemonstracaoContabil::editavelNaGrade(int linha, bool ultimoTrimestre, bool modoEdicao) const
{
    return m_contas.at(linha).editavel() && (ultimoTrimestre || modoEdicao);
}

bool DemonstracaoContabil::emVermelho(int linha) const
{
    const ContaDemonstracao &c = m_contas.at(linha);
    return c.editavel() && c.deducao() && !c.valor.arredondadaEmCentavos().zero();
}

int DemonstracaoContabil::linhaTotal() const
{
    auto normal = [](QString t) { return t.remove(u' ').toUpper(); };
    const QString procurado = normal(nomeTotal(m_tipo));
    for (int i = 0; i < m_contas.size(); ++i)
        if (normal(m_contas.at(i).descricao) == procurado)
            return i;
    return -1;
}

bool DemonstracaoContabil::quadros8ou9Preenchidos() const
{
    Consulta q(m_db, QStringLiteral(
                         "SELECT R.VL_RECT_PRE, R.VL_RECT_OUTR, R.VL_DESP_MEDC_PRE, R.VL_DESP_MEDC_OUTR, "
                         "       R.VL_RECT_PRE_ODON, R.VL_RECT_OUTR_ODON, R.VL_DESP_MEDC_PRE_ODON, R.VL_DESP_MEDC_OUTR_ODON "
                         "FROM RECEITASDESPESASUF R WHERE R.CD_OPER = :CDOPER AND R.DT_INIC_VIGN = :DTVIGN "
                         "AND EXISTS (SELECT 1 FROM QUADRORECEITASDESPESASUF Q "
                         "            WHERE Q.CD_OPER = R.CD_OPER AND Q.DT_INIC_VIGN = R.DT_INIC_VIGN)"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    q.executar();
    while (q.proxima())
        for (int coluna = 0; coluna < 8; ++coluna)
            if (!Moeda::doBanco(q.valor(coluna)).zero())
                return true;
    return false;
}

CriticaDemonstracao DemonstracaoContabil::criticar() const
{
    const QString nome = nomeTotal(m_tipo);
    const int linha = linhaTotal();
    if (linha < 0)
        return {CriticaDemonstracao::Recusada,
                QStringLiteral("Registro ") + nome + QStringLiteral(", Totalizador, não encontrado.")
                    + QStringLiteral(" Provavelmente algum divergência proviniente da base de dados ")};

    // The checks read the amounts as the grid shows them, in cents.
    const Moeda total = m_contas.at(linha).valor.arredondadaEmCentavos();
    const int ano = m_trimestre.year();
    const bool balanco = m_tipo == u'A' || m_tipo == u'P';
    const QString igualAZero = nome + QStringLiteral(" NÃO pode ser igual a ZERO.");

    if (ano >= 2006) {
        if (balanco && !total.positivo())
            return {CriticaDemonstracao::Recusada, nome + QStringLiteral(" NÃO pode ser menor ou igual a ZERO.")};
        if (!balanco && total.zero())
            return {CriticaDemonstracao::Recusada, igualAZero};
        return {};
    }
    if (balanco || ano <= 2004)
        return total.zero() ? CriticaDemonstracao{CriticaDemonstracao::Recusada, igualAZero} : CriticaDemonstracao{};

    // The 2005 income statement may be all zeros, but only knowingly.
    for (int i = 0; i <= linha; ++i)
        if (!m_contas.at(i).valor.arredondadaEmCentavos().zero())
            return {};
    if (quadros8ou9Preenchidos())
        return {CriticaDemonstracao::Recusada,
                QStringLiteral("Todos os campos estão zerados, mas os quadros\r8 e/ou 9 encontram-se preenchidos.")};
    return {CriticaDemonstracao::Perguntar,
            QStringLiteral("Todos os campos estão zerados. Deseja realmente confirmar a gravação?")};
}

} // namespace kelpa
