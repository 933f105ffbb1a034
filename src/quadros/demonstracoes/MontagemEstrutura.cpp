#include "MontagemEstrutura.h"

#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

#include <QStringList>

namespace kelpa {

// How one code table feeds its value table. Names are program constants.
struct MontagemEstrutura::Estrutura {
    QString tabelaCodigos;
    QString tabelaValor;
    QString colunaItem;
    QString colunaVersao; // same name in both tables
    QString colunaValor;
    bool planoContas = false; // carries ID_TIPO_PLANO and is filtered by statement type
};


MontagemEstrutura::MontagemEstrutura(QSqlDatabase db, QString codOper, QDate trimestre, Progresso progresso)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
    , m_progresso(std::move(progresso))
{
}

void MontagemEstrutura::avancar(int barra, int posicao, int maximo) const
{
    if (m_progresso)
        m_progresso(barra, posicao, maximo);
}

bool MontagemEstrutura::ExisteValorPeriodo(const QSqlDatabase &db, const QString &tabelaValor, const QString &colunaVersao,
                                           const QDate &trimestre, const QString &codOper, QDate *versao)
{
    Consulta q(db, QStringLiteral("SELECT MIN(%2) AS VERSAO, COUNT(*) AS LINHAS FROM %1 "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                       .arg(tabelaValor, colunaVersao));
    q.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":DTVIGN"), trimestre);
    if (!q.primeira() || q.inteiro(QStringLiteral("LINHAS")) == 0)
        return false;
    if (versao)
        *versao = q.data(QStringLiteral("VERSAO"));
    return true;
}

QDate MontagemEstrutura::VersaoDoTrimestre(const QString &tabelaCodigos, const QString &colunaVersao,
                                           const QString &tabelaValor, const QString &filtroTipo) const
{
    QDate existente;
    if (ExisteValorPeriodo(m_db, tabelaValor, colunaVersao, m_trimestre, m_codOper, &existente) && existente.isValid())
        return existente;

    const QString filtro = filtroTipo.isEmpty() ? QString() : QStringLiteral(" AND TP_CONTA_CONTABIL = :TIPO");
    Consulta versoes(m_db, QStringLiteral("SELECT DISTINCT %2 AS VERSAO FROM %1 WHERE %2 IS NOT NULL%3 ORDER BY %2 DESC")
                               .arg(tabelaCodigos, colunaVersao, filtro));
    if (!filtroTipo.isEmpty())
        versoes.bind(QStringLiteral(":TIPO"), filtroTipo);
    versoes.executar();
    QDate escolhida;
    while (versoes.proxima()) {
        escolhida = versoes.data(QStringLiteral("VERSAO"));
        // Newest first: the first one not after the quarter applies (a version starting
        // exactly on the quarter is the first such). When all are later, the scan ends
        // on the oldest.
        if (escolhida <= m_trimestre)
            break;
    }
    return escolhida;
}

int MontagemEstrutura::completar(const Estrutura &e, const QString &tipoConta)
{
    const QDate versao = VersaoDoTrimestre(e.tabelaCodigos, e.colunaVersao, e.tabelaValor, tipoConta);
    if (!versao.isValid())
        return 0;

    Transacao transacao(m_db);
    Consulta existentes(m_db, QStringLiteral("SELECT COUNT(DISTINCT %2) FROM %1 "
                                             "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND %3 = :VERSAO")
                                  .arg(e.tabelaValor, e.colunaItem, e.colunaVersao));
    existentes.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":VERSAO"), versao);
    const int quantosExistem = existentes.primeira() ? static_cast<int>(existentes.valor(0).toLongLong()) : 0;
    avancar(1, quantosExistem, quantosExistem);

    const QString colunas = e.planoContas ? QStringLiteral("%1, ID_TIPO_PLANO").arg(e.colunaItem) : e.colunaItem;
    const QString filtroTipo = e.planoContas ? QStringLiteral(" AND TP_CONTA_CONTABIL = :TIPO") : QString();
    // The chart is walked from the highest code down, the other tables upwards.
    const QString ordem = e.planoContas ? QStringLiteral("DESC") : QStringLiteral("ASC");
    Consulta faltantes(m_db, QStringLiteral("SELECT %2 FROM %1 WHERE %3 = :VERSAO%4 AND %5 NOT IN "
                                            "(SELECT %5 FROM %6 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                            "AND %3 = :VERSAO AND %5 IS NOT NULL) ORDER BY %5 %7")
                                 .arg(e.tabelaCodigos, colunas, e.colunaVersao, filtroTipo, e.colunaItem, e.tabelaValor,
                                      ordem));
    faltantes.bind(QStringLiteral(":VERSAO"), versao)
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre);
    if (e.planoContas)
        faltantes.bind(QStringLiteral(":TIPO"), tipoConta);
    faltantes.executar();
    QList<QPair<QString, QString>> itens;
    while (faltantes.proxima())
        itens.append({faltantes.valor(0).toString(), e.planoContas ? faltantes.valor(1).toString() : QString()});

    const QString insercao =
        e.planoContas
            ? QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, %2, %3, %4, LG_ALTR_TRAM) "
                             "VALUES (:CDOPER, :DTVIGN, :TIPOPLANO, :ITEM, :VERSAO, 0, 'N')")
                  .arg(e.tabelaValor, e.colunaItem, e.colunaVersao, e.colunaValor)
            : QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, %2, %3, %4, LG_ALTR_TRAM) "
                             "VALUES (:CDOPER, :DTVIGN, :ITEM, :VERSAO, 0, 'N')")
                  .arg(e.tabelaValor, e.colunaItem, e.colunaVersao, e.colunaValor);
    Consulta insere(m_db, insercao);
    int inseridos = 0;
    avancar(2, 0, static_cast<int>(itens.size()));
    for (const auto &[item, tipoPlano] : itens) {
        insere.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":ITEM"), item)
            .bind(QStringLiteral(":VERSAO"), versao);
        if (e.planoContas)
            insere.bind(QStringLiteral(":TIPOPLANO"), tipoPlano);
        insere.executar();
        avancar(2, ++inseridos, static_cast<int>(itens.size()));
    }
    transacao.confirmar();
    return inseridos;
}

int MontagemEstrutura::MontaPlanoContasValor()
{
    const Estrutura plano{QStringLiteral("TB_PLANOCONTAS"), QStringLiteral("PLANOCONTASVALOR"),
                          QStringLiteral("CD_CONTA_REFERENCIA"), QStringLiteral("DT_INIC_VIGN_PLANO"),
                          QStringLiteral("VL_CONTA_REFERENCIA"), true};
    int inseridos = 0;
    for (const QString &tipo : {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("R")})
        inseridos += completar(plano, tipo);
    return inseridos;
}

int MontagemEstrutura::MontaFluxoCaixaValor()
{
    return completar({QStringLiteral("TA_FluxoCaixa"), QStringLiteral("TB_FluxoCaixaValor"), QStringLiteral("CD_FLUXO_CAIXA"),
                      QStringLiteral("DT_INIC_VIGN_FLUXO_CAIXA"), QStringLiteral("VL_CONTA_FLUXO_CAIXA"), false},
                     {});
}

int MontagemEstrutura::MontaIdadeSaldoValor()
{
    return completar({QStringLiteral("TA_IdadeSaldo"), QStringLiteral("TB_IdadeSaldoValor"), QStringLiteral("CD_IDADE_SALDO"),
                      QStringLiteral("DT_INIC_VIGN_IDADE_SALDO"), QStringLiteral("VL_CONTA_IDADE_SALDO"), false},
                     {});
}

int MontagemEstrutura::MontaSaldoAcumulado()
{
    Consulta ano(m_db, QStringLiteral("SELECT 1 FROM SALDOACUMULADOANO WHERE CD_OPER = :CDOPER LIMIT 1"));
    ano.bind(QStringLiteral(":CDOPER"), m_codOper);
    if (ano.primeira())
        return 0;

    Consulta cadastro(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS ULTIMO FROM CADASTRO WHERE CD_OPER = :CDOPER"));
    cadastro.bind(QStringLiteral(":CDOPER"), m_codOper);
    const QDate registro = cadastro.primeira() ? cadastro.data(QStringLiteral("ULTIMO")) : QDate();
    if (!registro.isValid())
        return 0; // nothing to seed from until the operator is registered
    const int anoRegistro = registro.year();
    const int trimestre = (registro.month() + 2) / 3;
    const QDate versaoItens(2005, 1, 1);

    Transacao transacao(m_db);
    avancar(1, 0, 8);
    avancar(2, 0, 8);
    Consulta(m_db, QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, VL_SALDO_FINAL_ANO, LG_ALTR_TRAM) "
                                  "VALUES (:CDOPER, :ANO, 0, 'N')"))
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":ANO"), anoRegistro - 1)
        .executar();
    int inseridos = 1;
    // The quarter may already hold its items (created with the quarter): never twice.
    Consulta existe(m_db, QStringLiteral("SELECT 1 FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO "
                                         "AND NR_TRIMESTRE = :TRIM AND CD_ITEM_SALDO = :ITEM"));
    Consulta insere(m_db, QStringLiteral("INSERT INTO SALDOACUMULADOTRIMESTRE (CD_OPER, CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, "
                                         "NR_ANO, NR_TRIMESTRE, VL_ITEM_SALDO, LG_ALTR_TRAM) "
                                         "VALUES (:CDOPER, :ITEM, :VERSAO, :ANO, :TRIM, 0, 'N')"));
    for (int i = 1; i <= 8; ++i) {
        const QString item = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        existe.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":ANO"), anoRegistro)
            .bind(QStringLiteral(":TRIM"), trimestre)
            .bind(QStringLiteral(":ITEM"), item);
        if (!existe.primeira()) {
            insere.bind(QStringLiteral(":CDOPER"), m_codOper)
                .bind(QStringLiteral(":ITEM"), item)
                .bind(QStringLiteral(":VERSAO"), versaoItens)
                .bind(QStringLiteral(":ANO"), anoRegistro)
                .bind(QStringLiteral(":TRIM"), trimestre)
                .executar();
            ++inseridos;
        }
        avancar(1, i, 8);
        avancar(2, i, 8);
    }
    transacao.confirmar();
    return inseridos;
}

void MontagemEstrutura::MontaNovoTrimestre(bool comSaldoAcumulado)
{
    MontaPlanoContasValor();
    if (!TemFluxoEIdade(m_trimestre))
        return;
    MontaFluxoCaixaValor();
    MontaIdadeSaldoValor();
    if (comSaldoAcumulado)
        MontaSaldoAcumulado();
}

} // namespace kelpa
