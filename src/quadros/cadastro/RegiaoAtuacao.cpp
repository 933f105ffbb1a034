#include "RegiaoAtuacao.h"

#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

#include <QHash>
#include <QSet>

namespace kelpa::RegiaoAtuacao {

const QList<int> &GrandesCapitais()
{
    // Rio de Janeiro, São Paulo, Belo Horizonte, Porto Alegre, Curitiba.
    static const QList<int> capitais = {3304557, 3550308, 3106200, 4314902, 4106902};
    return capitais;
}

const QStringList &GrandesEstados()
{
    static const QStringList estados = {QStringLiteral("RJ"), QStringLiteral("SP"), QStringLiteral("MG"),
                                        QStringLiteral("RS"), QStringLiteral("BA"), QStringLiteral("PR")};
    return estados;
}

int CalculaRegiao(const QList<Municipio> &municipios, const std::function<int(const QString &uf)> &totalDoEstado)
{
    if (municipios.isEmpty())
        return 0;

    // A municipality listed twice counts once.
    QHash<QString, QSet<int>> porEstado;
    bool capital = false;
    for (const Municipio &m : municipios) {
        porEstado[m.uf].insert(m.id);
        capital = capital || GrandesCapitais().contains(m.id);
    }
    int tamanho = 0;
    QSet<QString> cobertos;
    for (auto it = porEstado.cbegin(); it != porEstado.cend(); ++it) {
        tamanho += static_cast<int>(it.value().size());
        if (it.value().size() >= totalDoEstado(it.key()) / 2 + 1)
            cobertos.insert(it.key());
    }
    const int n = static_cast<int>(cobertos.size());

    if (n == 0) {
        if (capital)
            return 4;
        return tamanho == 1 ? 6 : 5;
    }
    if (n <= 2)
        return n == 2 || cobertos.contains(QStringLiteral("SP")) ? 2 : 3;
    int grandesCobertos = 0;
    for (const QString &uf : GrandesEstados())
        if (cobertos.contains(uf))
            ++grandesCobertos;
    return grandesCobertos >= 3 ? 1 : 2;
}

int CalculaRegiao(const QSqlDatabase &db, const QList<Municipio> &municipios)
{
    QHash<QString, int> totais;
    return CalculaRegiao(municipios, [&db, &totais](const QString &uf) {
        auto it = totais.constFind(uf);
        if (it == totais.cend())
            it = totais.insert(uf, Municipios::TotalDoEstado(db, uf));
        return it.value();
    });
}

QString TextoRegiao(int regiao)
{
    if (regiao >= 1 && regiao <= 6)
        return QStringLiteral("REGIÃO %1").arg(regiao);
    return {};
}

QList<Municipio> Carrega(const QSqlDatabase &db, const QString &codOper, const QDate &periodo)
{
    Consulta q(db, QStringLiteral("SELECT DISTINCT M.ID_MUNC, M.NM_MUNC, M.CD_UF "
                                  "FROM RL_MUNICIPIO_ATUACAO_OPERADORA R "
                                  "JOIN TB_MUNICIPIOS M ON M.ID_MUNC = R.ID_MUNC "
                                  "WHERE R.CD_OPER = :CDOPER AND R.DT_INIC_VIGN = :DTVIGN AND R.ID_PSOA = 0"));
    q.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":DTVIGN"), periodo);
    q.executar();
    QList<Municipio> lista;
    while (q.proxima())
        lista << Municipio{static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC"))), q.texto(QStringLiteral("NM_MUNC")),
                           q.texto(QStringLiteral("CD_UF"))};
    Municipios::OrdenaPorEstadoENome(lista);
    return lista;
}

void Grava(const QSqlDatabase &db, const QString &codOper, const QDate &periodo, const QList<Municipio> &municipios)
{
    Transacao transacao(db);
    QSet<int> desejados;
    for (const Municipio &m : municipios)
        desejados.insert(m.id);

    QSet<int> gravados;
    {
        Consulta q(db, QStringLiteral("SELECT ID_MUNC FROM RL_MUNICIPIO_ATUACAO_OPERADORA "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"));
        q.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":DTVIGN"), periodo);
        q.executar();
        while (q.proxima())
            gravados.insert(static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC"))));
    }
    for (const int id : std::as_const(gravados)) {
        if (desejados.contains(id))
            continue;
        Consulta(db, QStringLiteral("DELETE FROM RL_MUNICIPIO_ATUACAO_OPERADORA "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0 AND ID_MUNC = :IDMUNC"))
            .bind(QStringLiteral(":CDOPER"), codOper)
            .bind(QStringLiteral(":DTVIGN"), periodo)
            .bind(QStringLiteral(":IDMUNC"), id)
            .executar();
    }
    for (const int id : std::as_const(desejados)) {
        if (gravados.contains(id))
            continue;
        Consulta(db, QStringLiteral("INSERT INTO RL_MUNICIPIO_ATUACAO_OPERADORA (CD_OPER, DT_INIC_VIGN, ID_PSOA, ID_MUNC, LG_ALTR_TRAM) "
                                    "VALUES (:CDOPER, :DTVIGN, 0, :IDMUNC, 'N')"))
            .bind(QStringLiteral(":CDOPER"), codOper)
            .bind(QStringLiteral(":DTVIGN"), periodo)
            .bind(QStringLiteral(":IDMUNC"), id)
            .executar();
    }
    transacao.confirmar();
}

} // namespace kelpa::RegiaoAtuacao
