#include "PeriodosQuadroCadastro.h"

#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");

QString listaColunas(const QStringList &colunas)
{
    QString texto;
    for (const QString &c : colunas)
        texto += QStringLiteral(", ") + c;
    return texto;
}
} // namespace

PeriodosQuadroCadastro::PeriodosQuadroCadastro(const QSqlDatabase &db, QString codOper, TabelasPeriodo tabelas)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_tabelas(std::move(tabelas))
{
}

QDate PeriodosQuadroCadastro::PrimeiroPeriodo(const QSqlDatabase &db, const QString &codOper)
{
    Consulta cadastro(db, QStringLiteral("SELECT MIN(DT_INIC_VIGN) AS INICIO FROM CADASTRO WHERE CD_OPER = :CDOPER"));
    cadastro.bind(kOper, codOper);
    const QDate inicio = cadastro.primeira() ? cadastro.data(QStringLiteral("INICIO")) : QDate();
    if (!inicio.isValid())
        return inicio;
    return std::max(inicio, QDate(2001, 1, 1));
}

QList<QDate> PeriodosQuadroCadastro::Periodos()
{
    auto lista = [this] {
        // Table names are program constants, never typed by a user.
        Consulta q(m_db, QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM %1 WHERE CD_OPER = :CDOPER "
                                        "ORDER BY DT_INIC_VIGN DESC")
                             .arg(m_tabelas.cabecalho));
        q.bind(kOper, m_codOper);
        q.executar();
        QList<QDate> datas;
        while (q.proxima())
            datas << q.data(QStringLiteral("DT_INIC_VIGN"));
        return datas;
    };
    const QList<QDate> datas = lista();
    if (!datas.isEmpty())
        return datas;
    const QDate inicio = PrimeiroPeriodo(m_db, m_codOper);
    if (!inicio.isValid())
        return datas;
    IncluiPeriodo(inicio);
    return lista();
}

bool PeriodosQuadroCadastro::Existe(const QDate &data) const
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN").arg(m_tabelas.cabecalho));
    q.bind(kOper, m_codOper).bind(kData, data);
    return q.primeira();
}

void PeriodosQuadroCadastro::insereCabecalho(const QDate &data)
{
    QString colunas;
    QString valores;
    for (qsizetype i = 0; i < m_tabelas.iniciaisCabecalho.size(); ++i) {
        colunas += QStringLiteral(", ") + m_tabelas.iniciaisCabecalho.at(i).first;
        valores += QStringLiteral(", :V%1").arg(i);
    }
    Consulta insere(m_db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM%2) VALUES (:CDOPER, :DTVIGN, 'N'%3)")
                              .arg(m_tabelas.cabecalho, colunas, valores));
    insere.bind(kOper, m_codOper).bind(kData, data);
    for (qsizetype i = 0; i < m_tabelas.iniciaisCabecalho.size(); ++i)
        insere.bind(QStringLiteral(":V%1").arg(i), m_tabelas.iniciaisCabecalho.at(i).second);
    insere.executar();
}

bool PeriodosQuadroCadastro::IncluiPeriodo(const QDate &data)
{
    if (!data.isValid() || Existe(data))
        return false;
    Transacao transacao(m_db);
    insereCabecalho(data);
    transacao.confirmar();
    return true;
}

QDate PeriodosQuadroCadastro::PeriodoAnterior(const QDate &data) const
{
    Consulta anterior(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS ANTERIOR FROM %1 "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN < :DTVIGN")
                                .arg(m_tabelas.cabecalho));
    anterior.bind(kOper, m_codOper).bind(kData, data);
    return anterior.primeira() ? anterior.data(QStringLiteral("ANTERIOR")) : QDate();
}

bool PeriodosQuadroCadastro::CopiaPeriodo(const QDate &data)
{
    if (!data.isValid() || Existe(data))
        return false;
    const QDate origem = PeriodoAnterior(data);
    if (!origem.isValid())
        return IncluiPeriodo(data);

    // Both copies or neither: a header without its rows would look like a period
    // the user emptied.
    Transacao transacao(m_db);
    auto copia = [&](const QString &tabela, const QStringList &colunas) {
        const QString outras = listaColunas(colunas);
        Consulta(m_db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM%2) "
                                      "SELECT CD_OPER, :NOVA, 'N'%2 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                           .arg(tabela, outras))
            .bind(QStringLiteral(":NOVA"), data)
            .bind(kOper, m_codOper)
            .bind(kData, origem)
            .executar();
    };
    copia(m_tabelas.cabecalho, m_tabelas.colunasCabecalho);
    if (!m_tabelas.linhas.isEmpty())
        copia(m_tabelas.linhas, m_tabelas.colunasLinhas);
    transacao.confirmar();
    return true;
}

bool PeriodosQuadroCadastro::ExcluiPeriodo(const QDate &data)
{
    Transacao transacao(m_db);
    auto exclui = [&](const QString &tabela, const QString &condicao) {
        Consulta(m_db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN%2").arg(tabela, condicao))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .executar();
    };
    if (m_tabelas.linhas.isEmpty()) {
        exclui(m_tabelas.cabecalho, QStringLiteral(" AND LG_ALTR_TRAM = 'N'"));
    } else {
        exclui(m_tabelas.linhas, QStringLiteral(" AND LG_ALTR_TRAM = 'N'"));
        Consulta restantes(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN").arg(m_tabelas.linhas));
        restantes.bind(kOper, m_codOper).bind(kData, data);
        if (!restantes.primeira())
            exclui(m_tabelas.cabecalho, QString());
    }
    transacao.confirmar();
    return !Existe(data);
}

bool PeriodosQuadroCadastro::PessoaNoPeriodo(const QDate &data, int idPsoa) const
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA")
                         .arg(m_tabelas.linhas));
    q.bind(kOper, m_codOper).bind(kData, data).bind(QStringLiteral(":IDPSOA"), idPsoa);
    return q.primeira();
}

void PeriodosQuadroCadastro::ExcluiPessoa(const QDate &data, int idPsoa)
{
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA").arg(m_tabelas.linhas))
        .bind(kOper, m_codOper)
        .bind(kData, data)
        .bind(QStringLiteral(":IDPSOA"), idPsoa)
        .executar();
    transacao.confirmar();
}

} // namespace kelpa
