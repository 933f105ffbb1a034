#include "Periodos.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "plataforma/FormatoBR.h"

#include <QtDebug>

namespace kelpa::Periodos {

QString TextoTrimestre(const QDate &inicio)
{
    return QStringLiteral("%1º Trimestre de %2").arg(NumeroTrimestre(inicio)).arg(inicio.year());
}

QString TextoPeriodo(TipoPeriodo modo, const QDate &anterior, const QDate &data)
{
    switch (modo) {
    case TipoPeriodo::Intervalo:
        if (anterior.isValid())
            return QStringLiteral("de %1 até %2").arg(FormatoBR::data(data), FormatoBR::data(anterior));
        return QStringLiteral("A partir de %1").arg(FormatoBR::data(data));
    case TipoPeriodo::Dia:
        return FormatoBR::locale().toString(data, QStringLiteral("d 'de' MMMM 'de' yyyy"));
    case TipoPeriodo::Trimestre:
        return TextoTrimestre(data);
    }
    return {};
}

QString TituloGrupo(TipoPeriodo modo)
{
    switch (modo) {
    case TipoPeriodo::Intervalo: return QStringLiteral("Período:");
    case TipoPeriodo::Dia: return QStringLiteral("Dia:");
    case TipoPeriodo::Trimestre: return QStringLiteral("Trimestre:");
    }
    return {};
}

int LarguraCaixa(TipoPeriodo modo)
{
    switch (modo) {
    case TipoPeriodo::Intervalo: return 180;
    case TipoPeriodo::Dia: return 140;
    case TipoPeriodo::Trimestre: return 130;
    }
    return 180;
}

int NumeroTrimestre(const QDate &data)
{
    return (data.month() - 1) / 3 + 1;
}

QDate InicioDoTrimestre(const QDate &data)
{
    return QDate(data.year(), (NumeroTrimestre(data) - 1) * 3 + 1, 1);
}

QDate ProximoTrimestre(const QDate &inicio)
{
    return InicioDoTrimestre(inicio).addMonths(3);
}

QDate DataInicioOperadora(const QSqlDatabase &db, const QString &codOper)
{
    Consulta q(db, QStringLiteral("SELECT MIN(DT_INIC_VIGN) AS INICIO FROM CADASTRO WHERE CD_OPER = :CDOPER"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    return q.primeira() ? q.data(QStringLiteral("INICIO")) : QDate();
}

QDate PrimeiroTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &piso)
{
    QDate inicio = DataInicioOperadora(db, codOper);
    if (!inicio.isValid())
        return {};
    if (inicio < piso)
        inicio = piso;
    return InicioDoTrimestre(inicio);
}

QDate TrimestreSeguinte(const QSqlDatabase &db, const QString &codOper, const QDate &maisRecente)
{
    if (maisRecente.isValid())
        return ProximoTrimestre(maisRecente);
    return PrimeiroTrimestre(db, codOper);
}

namespace {

bool existe(const QSqlDatabase &db, const QString &sql, const QList<QPair<QString, QVariant>> &valores)
{
    Consulta q(db, sql);
    for (const auto &[nome, valor] : valores)
        q.bind(nome, valor);
    return q.primeira();
}

void executar(const QSqlDatabase &db, const QString &sql, const QList<QPair<QString, QVariant>> &valores)
{
    Consulta q(db, sql);
    for (const auto &[nome, valor] : valores)
        q.bind(nome, valor);
    q.executar();
}

} // namespace

bool IncluiTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre)
{
    const QString O = QStringLiteral(":CDOPER");
    const QString D = QStringLiteral(":DTVIGN");
    const QList<QPair<QString, QVariant>> chave = {{O, codOper}, {D, trimestre}};
    try {
        Transacao transacao(db);
        // A quarter already there, transmitted or not, is never created twice.
        if (!existe(db, QStringLiteral("SELECT 1 FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"), chave))
            executar(db, QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) "
                                        "VALUES (:CDOPER, :DTVIGN, 'N')"), chave);
        if (!existe(db, QStringLiteral("SELECT 1 FROM DADOSGERENCIAIS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"), chave))
            executar(db, QStringLiteral("INSERT INTO DADOSGERENCIAIS (CD_OPER, DT_INIC_VIGN) VALUES (:CDOPER, :DTVIGN)"), chave);

        Consulta versao(db, QStringLiteral("SELECT MAX(DT_INIC_VIGN_SALDO) AS DT_SALDO FROM TP_ITEMSALDO WHERE DT_INIC_VIGN_SALDO <= :DTVIGN"));
        versao.bind(D, trimestre);
        const QDate dtSaldo = versao.primeira() ? versao.data(QStringLiteral("DT_SALDO")) : QDate();
        const QList<QPair<QString, QVariant>> trimestreNumerado = {
            {O, codOper}, {QStringLiteral(":NRANO"), trimestre.year()}, {QStringLiteral(":NRTRIMESTRE"), NumeroTrimestre(trimestre)}};
        if (dtSaldo.isValid()
            && !existe(db, QStringLiteral("SELECT 1 FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = :CDOPER AND NR_ANO = :NRANO "
                                          "AND NR_TRIMESTRE = :NRTRIMESTRE"), trimestreNumerado)) {
            auto valores = trimestreNumerado;
            valores << qMakePair(QStringLiteral(":DTSALDO"), QVariant(dtSaldo));
            executar(db, QStringLiteral("INSERT INTO SALDOACUMULADOTRIMESTRE (CD_OPER, NR_ANO, NR_TRIMESTRE, CD_ITEM_SALDO, "
                                        "DT_INIC_VIGN_SALDO, VL_ITEM_SALDO, LG_ALTR_TRAM) "
                                        "SELECT :CDOPER, :NRANO, :NRTRIMESTRE, CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, 0.0, 'N' "
                                        "FROM TP_ITEMSALDO WHERE DT_INIC_VIGN_SALDO = :DTSALDO"), valores);
        }

        if (!existe(db, QStringLiteral("SELECT 1 FROM ATIVOS_VINCULADOS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                       "AND CD_SEQ_ATIVO = '9999999999'"), chave))
            executar(db, QStringLiteral("INSERT INTO ATIVOS_VINCULADOS (CD_OPER, DT_INIC_VIGN, CD_SEQ_ATIVO, LG_ALTR_TRAM) "
                                        "VALUES (:CDOPER, :DTVIGN, '9999999999', 'N')"), chave);
        transacao.confirmar();
        return true;
    } catch (const ErroBanco &e) {
        qWarning() << "Trimestre não incluído:" << e.textoCompleto();
        return false;
    }
}

bool ExcluiTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre)
{
    const QString O = QStringLiteral(":CDOPER");
    const QString D = QStringLiteral(":DTVIGN");
    const QList<QPair<QString, QVariant>> chave = {{O, codOper}, {D, trimestre}};
    try {
        Transacao transacao(db);
        executar(db, QStringLiteral("DELETE FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO "
                                    "AND NR_TRIMESTRE = :TRIMESTRE AND LG_ALTR_TRAM = 'N'"),
                 {{O, codOper}, {QStringLiteral(":ANO"), trimestre.year()}, {QStringLiteral(":TRIMESTRE"), NumeroTrimestre(trimestre)}});
        if (trimestre.month() < 4)
            executar(db, QStringLiteral("DELETE FROM SALDOACUMULADOANO WHERE CD_OPER = :CDOPER AND NR_ANO = :ANO AND LG_ALTR_TRAM = 'N'"),
                     {{O, codOper}, {QStringLiteral(":ANO"), trimestre.year() - 1}});
        executar(db, QStringLiteral("DELETE FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                    "AND LG_ALTR_TRAM = 'N'"), chave);
        executar(db, QStringLiteral("DELETE FROM DADOSGERENCIAIS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"), chave);
        if (trimestre >= QDate(2005, 1, 1))
            executar(db, QStringLiteral("DELETE FROM ATIVOS_VINCULADOS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                        "AND LG_ALTR_TRAM = 'N'"), chave);
        executar(db, QStringLiteral("DELETE FROM TB_FluxoCaixaValor WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"), chave);
        executar(db, QStringLiteral("DELETE FROM TB_IdadeSaldoValor WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"), chave);
        // The quarter's value rows go with it (untransmitted ones, like its header):
        // left behind, they would be validated and exported for a quarter that no longer exists.
        for (const char *tabela : {"RECEITASDESPESASUF", "DESPESAS_COMERC_VALOR", "PLANOCONTASVALOR", "PROVISOESTECNICAS"})
            executar(db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                        "AND COALESCE(LG_ALTR_TRAM, 'N') NOT IN ('T', 'A')").arg(QLatin1String(tabela)), chave);
        transacao.confirmar();
        return true;
    } catch (const ErroBanco &e) {
        qWarning() << "Trimestre não excluído:" << e.textoCompleto();
        return false;
    }
}

AvaliacaoNovaData AvaliaNovaData(const QString &texto, const QDate &dtInicioOperadora)
{
    AvaliacaoNovaData avaliacao;
    const auto data = FormatoBR::lerData(texto);
    if (!data) {
        avaliacao.situacao = AvaliacaoNovaData::Invalida;
        avaliacao.mensagem = QStringLiteral("%1, Data inválida.\r\ndigite uma data no formato %2").arg(texto.trimmed(), QStringLiteral("dd/mm/yyyy"));
        return avaliacao;
    }
    avaliacao.data = *data;
    const QDate limite(2001, 1, 1);
    if (dtInicioOperadora.isValid() && *data < dtInicioOperadora && *data > limite) {
        avaliacao.situacao = AvaliacaoNovaData::AntesDaOperadora;
        avaliacao.mensagem = QStringLiteral("Período %1, não permitido.\r\nSomente períodos a partir da data\r\nde vigencia da operadora \"%2\"")
                                 .arg(texto, FormatoBR::data(dtInicioOperadora));
    } else if (*data < limite) {
        avaliacao.situacao = AvaliacaoNovaData::Antes2001;
        avaliacao.mensagem = QStringLiteral("Periodo %1, não permitido.\r\nSomente períodos a partir de 01/01/2001").arg(texto);
    }
    return avaliacao;
}

} // namespace kelpa::Periodos
