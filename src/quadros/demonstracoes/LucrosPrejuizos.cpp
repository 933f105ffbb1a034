#include "LucrosPrejuizos.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "quadros/base/Periodos.h"

namespace kelpa {

const QString LucrosPrejuizos::Titulo = QStringLiteral("Quadro 16: Lucros ou Prejuízos");
const QString LucrosPrejuizos::AvisoSemTrimestre =
    QStringLiteral("Quadro disponível somente para informações a partir do 1º Trimestre 2005.");
const QString LucrosPrejuizos::AvisoAntes2005 =
    QStringLiteral("Quadro disponível somente para \rinformações a partir do 1º Trimestre de 2005.");

QList<QDate> LucrosPrejuizos::Trimestres(const QSqlDatabase &db, const QString &codOper)
{
    Consulta q(db, QStringLiteral("SELECT DISTINCT NR_ANO, NR_TRIMESTRE FROM SALDOACUMULADOTRIMESTRE "
                                  "WHERE CD_OPER = :CDOPER AND NR_TRIMESTRE BETWEEN 1 AND 4 "
                                  "ORDER BY NR_ANO DESC, NR_TRIMESTRE DESC"));
    q.bind(QStringLiteral(":CDOPER"), codOper).executar();
    QList<QDate> trimestres;
    while (q.proxima())
        trimestres << QDate(static_cast<int>(q.inteiro(QStringLiteral("NR_ANO"))),
                            static_cast<int>(q.inteiro(QStringLiteral("NR_TRIMESTRE"))) * 3 - 2, 1);
    return trimestres;
}

LucrosPrejuizos::LucrosPrejuizos(QSqlDatabase db, QString codOper, QDate trimestre)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
{
}

int LucrosPrejuizos::numeroTrimestre() const
{
    return Periodos::NumeroTrimestre(m_trimestre);
}

void LucrosPrejuizos::carregar()
{
    m_itens.clear();
    m_gravados.clear();
    m_estados.clear();
    // The items in code order, so that the screen and the printout always agree.
    Consulta itens(m_db, QStringLiteral("SELECT T.CD_ITEM_SALDO, T.DT_INIC_VIGN_SALDO, T.VL_ITEM_SALDO, T.LG_ALTR_TRAM, "
                                        "I.TP_SINAL_ITEM, I.DE_ITEM_SALDO, I.DE_HINT_SALDO "
                                        "FROM SALDOACUMULADOTRIMESTRE T JOIN TP_ITEMSALDO I "
                                        "ON I.CD_ITEM_SALDO = T.CD_ITEM_SALDO AND I.DT_INIC_VIGN_SALDO = T.DT_INIC_VIGN_SALDO "
                                        "WHERE T.CD_OPER = :CDOPER AND T.NR_ANO = :ANO AND T.NR_TRIMESTRE = :TRIM "
                                        "ORDER BY T.CD_ITEM_SALDO, T.DT_INIC_VIGN_SALDO"));
    itens.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":ANO"), ano())
        .bind(QStringLiteral(":TRIM"), numeroTrimestre())
        .executar();
    while (itens.proxima()) {
        Item item;
        item.codigo = itens.texto(QStringLiteral("CD_ITEM_SALDO"));
        item.versao = itens.data(QStringLiteral("DT_INIC_VIGN_SALDO"));
        item.sinal = itens.texto(QStringLiteral("TP_SINAL_ITEM")).trimmed().toUpper();
        item.descricao = itens.texto(QStringLiteral("DE_ITEM_SALDO"));
        item.dica = itens.texto(QStringLiteral("DE_HINT_SALDO"));
        item.valor = Moeda::doBanco(itens.valor(QStringLiteral("VL_ITEM_SALDO")));
        m_itens << item;
        m_gravados << item.valor;
        m_estados << itens.texto(QStringLiteral("LG_ALTR_TRAM"));
    }

    // The year's earlier quarters, added row by row so that the sums are exact.
    Consulta anteriores(m_db, QStringLiteral("SELECT CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, VL_ITEM_SALDO "
                                             "FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO "
                                             "AND NR_TRIMESTRE >= 1 AND NR_TRIMESTRE < :TRIM"));
    anteriores.bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":ANO"), ano())
        .bind(QStringLiteral(":TRIM"), numeroTrimestre())
        .executar();
    m_primeiroDoAno = true;
    while (anteriores.proxima()) {
        m_primeiroDoAno = false;
        const QString codigo = anteriores.texto(QStringLiteral("CD_ITEM_SALDO"));
        const QDate versao = anteriores.data(QStringLiteral("DT_INIC_VIGN_SALDO"));
        const Moeda valor = Moeda::doBanco(anteriores.valor(QStringLiteral("VL_ITEM_SALDO")));
        for (Item &item : m_itens)
            if (item.codigo == codigo && item.versao == versao)
                item.anteriores += valor;
    }

    Consulta saldo(m_db, QStringLiteral("SELECT VL_SALDO_FINAL_ANO, LG_ALTR_TRAM FROM SALDOACUMULADOANO "
                                        "WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO LIMIT 1"));
    saldo.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":ANO"), ano() - 1);
    m_saldoAnteriorNovo = !saldo.primeira();
    m_saldoAnteriorGravado = m_saldoAnteriorNovo ? Moeda() : Moeda::doBanco(saldo.valor(QStringLiteral("VL_SALDO_FINAL_ANO")));
    m_estadoAno = m_saldoAnteriorNovo ? QString() : saldo.texto(QStringLiteral("LG_ALTR_TRAM"));
    m_saldoAnterior = m_saldoAnteriorGravado;
}

bool LucrosPrejuizos::informar(int linha, Moeda valor)
{
    if (linha < 0 || linha >= m_itens.size())
        return false;
    const Moeda cortado = valor.truncadaEmCentavos();
    const bool mudou = m_itens.at(linha).valor != cortado;
    m_itens[linha].valor = cortado;
    return mudou;
}

bool LucrosPrejuizos::informarSaldoAnterior(Moeda valor)
{
    const Moeda cortado = valor.truncadaEmCentavos();
    const bool mudou = m_saldoAnterior != cortado;
    m_saldoAnterior = cortado;
    return mudou;
}

Moeda LucrosPrejuizos::totalTrimestre() const
{
    Moeda total;
    for (const Item &item : m_itens)
        total += item.valor;
    return total;
}

Moeda LucrosPrejuizos::totalAcumulado() const
{
    Moeda total;
    for (const Item &item : m_itens)
        total += item.acumulado();
    return total;
}

bool LucrosPrejuizos::alterado() const
{
    if (m_saldoAnterior != m_saldoAnteriorGravado)
        return true;
    for (qsizetype i = 0; i < m_itens.size(); ++i)
        if (m_itens.at(i).valor != m_gravados.at(i))
            return true;
    return false;
}

QString LucrosPrejuizos::criticaSinais() const
{
    for (const Item &item : m_itens) {
        if (item.sinal == QLatin1String("P") && item.valor.negativo())
            return QStringLiteral("O valor do item ") + item.descricao + QStringLiteral(" deve ser ") + QStringLiteral("POSITIVO");
        if (item.sinal == QLatin1String("N") && item.valor.positivo())
            return QStringLiteral("O valor do item ") + item.descricao + QStringLiteral(" deve ser ") + QStringLiteral("NEGATIVO");
    }
    return {};
}

void LucrosPrejuizos::gravar()
{
    Transacao transacao(m_db);
    QList<QString> estados = m_estados;
    Consulta item(m_db, QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET VL_ITEM_SALDO = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                       "WHERE CD_OPER = :CDOPER AND CD_ITEM_SALDO = :ITEM AND DT_INIC_VIGN_SALDO = :VERSAO "
                                       "AND NR_ANO = :ANO AND NR_TRIMESTRE = :TRIM"));
    for (qsizetype i = 0; i < m_itens.size(); ++i) {
        const Item &it = m_itens.at(i);
        if (it.valor == m_gravados.at(i))
            continue;
        estados[i] = EstadoTransmissaoAoGravar(m_estados.at(i));
        item.bind(QStringLiteral(":VALOR"), it.valor.paraBanco())
            .bind(QStringLiteral(":ESTADO"), estados.at(i))
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":ITEM"), it.codigo)
            .bind(QStringLiteral(":VERSAO"), it.versao)
            .bind(QStringLiteral(":ANO"), ano())
            .bind(QStringLiteral(":TRIM"), numeroTrimestre())
            .executar();
        // The quarter may have been deleted meanwhile: say so rather than lose the figures quietly.
        if (item.linhasAfetadas() == 0)
            throw ErroBanco(QStringLiteral("O %1 não está mais gravado; os valores digitados não foram gravados.")
                                .arg(Periodos::TextoTrimestre(m_trimestre)));
    }

    QString estadoAno = m_estadoAno;
    if (m_saldoAnteriorNovo || m_saldoAnterior != m_saldoAnteriorGravado) {
        estadoAno = m_saldoAnteriorNovo ? QStringLiteral("N") : EstadoTransmissaoAoGravar(m_estadoAno);
        Consulta atualiza(m_db, QStringLiteral("UPDATE SALDOACUMULADOANO SET VL_SALDO_FINAL_ANO = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                               "WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO"));
        atualiza.bind(QStringLiteral(":VALOR"), m_saldoAnterior.paraBanco())
            .bind(QStringLiteral(":ESTADO"), estadoAno)
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":ANO"), ano() - 1)
            .executar();
        // Another station may have written the year meanwhile: the row is never doubled.
        if (atualiza.linhasAfetadas() == 0)
            Consulta(m_db, QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, VL_SALDO_FINAL_ANO, LG_ALTR_TRAM) "
                                          "VALUES (:CDOPER, :ANO, :VALOR, :ESTADO)"))
                .bind(QStringLiteral(":CDOPER"), m_codOper)
                .bind(QStringLiteral(":ANO"), ano() - 1)
                .bind(QStringLiteral(":VALOR"), m_saldoAnterior.paraBanco())
                .bind(QStringLiteral(":ESTADO"), estadoAno)
                .executar();
    }
    transacao.confirmar();

    for (qsizetype i = 0; i < m_itens.size(); ++i)
        m_gravados[i] = m_itens.at(i).valor;
    m_estados = estados;
    m_saldoAnteriorGravado = m_saldoAnterior;
    m_saldoAnteriorNovo = false;
    m_estadoAno = estadoAno;
}

} // namespace kelpa
