// Export and compression against the tools everyone trusts.
//
// A synthetic operator with 40 quarters and every quarterly table filled is exported
// with the shipped definitions (build/bin/Expt_Kelpa.dat); the sqlite3 shell writes the
// same rows with -separator '|', and gzip -6 compresses the same file. Goals: the
// export within 1.5 times the shell's time, the compression within 1.2 times gzip's,
// and the compressed size within 1% of gzip's. Exit code 1 when a goal is missed.
//
//   build/bench/kelpa_bench_exportacao [--repeticoes N]

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/Transacao.h"
#include "exportacao/DefinicoesExportacao.h"
#include "exportacao/TExportaArquivo.h"
#include "exportacao/TGzip.h"
#include "plataforma/ArquivoTemporario.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace kelpa;

namespace {

const QString kOperadora = QStringLiteral("345678");
constexpr int kTrimestres = 40;
constexpr int kContas = 600;
constexpr int kItensDespesa = 30;
constexpr int kAtivos = 40;
constexpr int kLinhasFluxo = 45;
constexpr int kLinhasIdade = 20;
constexpr int kItensSaldo = 12;
const char *const kUfs[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                            "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

// Amounts with cents that do not repeat too regularly, as real statements look.
double valor(int a, int b)
{
    return double((a * 7919LL + b * 104729LL) % 10000000) / 100.0 - 20000.0;
}

void preencher(const QSqlDatabase &db)
{
    Transacao t(db);
    const auto sql = [&](const QString &comando) { return Consulta(db, comando); };
    sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('345678')")).executar();
    sql(QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ESTRANGEIRO, "
                       "LG_ALTR_TRAM) VALUES ('345678', 0, 'J', '96943342000114', 'Saúde Exemplo Assistência Médica Ltda.', "
                       "'N', 'N')"))
        .executar();
    sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD, "
                       "LG_ALTR_TRAM, LG_COMERCIALIZACAO_SEDE) VALUES ('345678', '1997-01-01', 0, 'MEGRP', 'SEM', 'C', "
                       "'SOCIA', 'N', 'F')"))
        .executar();
    for (int i = 1; i <= kLinhasFluxo; ++i)
        sql(QStringLiteral("INSERT INTO TA_FluxoCaixa (CD_FLUXO_CAIXA, DT_INIC_VIGN_FLUXO_CAIXA, DE_CONTA_FLUXO_CAIXA) "
                           "VALUES ('%1', '1990-01-01', 'Linha %1')").arg(i, 3, 10, QLatin1Char('0')))
            .executar();
    for (int i = 1; i <= kLinhasIdade; ++i)
        sql(QStringLiteral("INSERT INTO TA_IdadeSaldo (CD_IDADE_SALDO, DT_INIC_VIGN_IDADE_SALDO, DE_CONTA_IDADE_SALDO) "
                           "VALUES ('%1', '1990-01-01', 'Faixa %1')").arg(i, 2, 10, QLatin1Char('0')))
            .executar();

    Consulta quadro(db, QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF_OPER, "
                                       "VL_TOTL_BENE_RECT, VL_DESP_HOSP_PROP, VL_DESP_HOSP_TOT, VL_DESP_MED_PROP, "
                                       "VL_DESP_MED_TOT, VL_DESP_ODON_PROP, VL_DESP_ODON_TOT, VL_RECT_SUS, VL_RECT_TOT, "
                                       "LG_ALTR_TRAM) VALUES ('345678', :DT, 'SP', :N, :V, :V, :V, :V, :V, :V, :V, :V, 'N')"));
    Consulta uf(db, QStringLiteral("INSERT INTO RECEITASDESPESASUF VALUES ('345678', :DT, :UF, :A, :B, :C, :D, :E, :F, "
                                   ":G, :H, 'N')"));
    Consulta despesa(db, QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR VALUES ('345678', :DT, '01', '2001-01-01', "
                                        ":CD, :V, 'N')"));
    Consulta conta(db, QStringLiteral("INSERT INTO PLANOCONTASVALOR VALUES ('345678', :DT, '20', '2001-01-01', :CD, :V, 'N')"));
    Consulta provisao(db, QStringLiteral("INSERT INTO PROVISOESTECNICAS VALUES ('345678', :DT, :V, :V, :V, :V, :V, 'N', "
                                         ":V, :V, :V, :V)"));
    Consulta gerencial(db, QStringLiteral("INSERT INTO DADOSGERENCIAIS VALUES ('345678', :DT, :N, :TX, 'N', :N)"));
    Consulta ativo(db, QStringLiteral("INSERT INTO ATIVOS_VINCULADOS VALUES ('345678', :DT, :CD, 1, :Q, :P, :V, 'N', 'C')"));
    Consulta saldo(db, QStringLiteral("INSERT INTO SaldoAcumuladoTrimestre VALUES ('345678', :CD, '2001-01-01', :ANO, :TRI, "
                                      ":V, 'N')"));
    Consulta ano(db, QStringLiteral("INSERT INTO SaldoAcumuladoAno VALUES ('345678', :ANO, :V, 'N')"));
    Consulta fluxo(db, QStringLiteral("INSERT INTO TB_FluxoCaixaValor VALUES ('345678', :CD, :DT, '1990-01-01', :V, 'N')"));
    Consulta idade(db, QStringLiteral("INSERT INTO TB_IdadeSaldoValor VALUES ('345678', :CD, :DT, '1990-01-01', :V, 'N')"));

    const QString dt = QStringLiteral(":DT");
    const QString v = QStringLiteral(":V");
    const QString cd = QStringLiteral(":CD");
    for (int q = 0; q < kTrimestres; ++q) {
        const QDate inicio(1997 + q / 4, 1 + 3 * (q % 4), 1);
        quadro.bind(dt, inicio).bind(QStringLiteral(":N"), 10000 + q).bind(v, valor(q, 1)).executar();
        for (int u = 0; u < 27; ++u) {
            uf.bind(dt, inicio).bind(QStringLiteral(":UF"), QString::fromLatin1(kUfs[u]));
            for (const char *p : {":A", ":B", ":C", ":D", ":E", ":F", ":G", ":H"})
                uf.bind(QString::fromLatin1(p), valor(q * 27 + u, p[1]));
            uf.executar();
        }
        for (int i = 1; i <= kItensDespesa; ++i)
            despesa.bind(dt, inicio).bind(cd, QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).bind(v, valor(q, i)).executar();
        for (int i = 1; i <= kContas; ++i)
            conta.bind(dt, inicio)
                .bind(cd, QStringLiteral("%1.%2.%3").arg(1 + i / 100).arg(1 + i / 10 % 10).arg(i % 10))
                .bind(v, valor(q, i))
                .executar();
        provisao.bind(dt, inicio).bind(v, valor(q, 3)).executar();
        gerencial.bind(dt, inicio)
            .bind(QStringLiteral(":N"), 10000 + q)
            .bind(QStringLiteral(":TX"), QStringLiteral("Sugestões do trimestre %1: nenhuma.").arg(q))
            .executar();
        for (int i = 1; i <= kAtivos; ++i)
            ativo.bind(dt, inicio)
                .bind(cd, QStringLiteral("%1").arg(i, 10, 10, QLatin1Char('0')))
                .bind(QStringLiteral(":Q"), double(i * 100))
                .bind(QStringLiteral(":P"), valor(i, q) / 100.0)
                .bind(v, valor(q, i))
                .executar();
        for (int i = 1; i <= kItensSaldo; ++i)
            saldo.bind(cd, QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')))
                .bind(QStringLiteral(":ANO"), 1997 + q / 4)
                .bind(QStringLiteral(":TRI"), 1 + q % 4)
                .bind(v, valor(q, i))
                .executar();
        if (q % 4 == 0)
            ano.bind(QStringLiteral(":ANO"), 1997 + q / 4).bind(v, valor(q, 0)).executar();
        for (int i = 1; i <= kLinhasFluxo; ++i)
            fluxo.bind(cd, QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).bind(dt, inicio).bind(v, valor(q, i)).executar();
        for (int i = 1; i <= kLinhasIdade; ++i)
            idade.bind(cd, QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'))).bind(dt, inicio).bind(v, valor(q, i)).executar();
    }
    t.confirmar();
}

double mediana(QList<double> tempos)
{
    std::sort(tempos.begin(), tempos.end());
    return tempos.at(tempos.size() / 2);
}

double cronometrar(const std::function<void()> &f)
{
    QElapsedTimer relogio;
    relogio.start();
    f();
    return double(relogio.nsecsElapsed()) / 1e6;
}

// Median wall times in milliseconds of `repeticoes` runs of each, taken in turns so
// that a busy moment of the machine weighs on both alike.
std::pair<double, double> medirPar(int repeticoes, const std::function<void()> &a, const std::function<void()> &b)
{
    QList<double> tempos;
    QList<double> outros;
    for (int i = 0; i < repeticoes; ++i) {
        tempos << cronometrar(a);
        outros << cronometrar(b);
    }
    return {mediana(tempos), mediana(outros)};
}

void rodar(const QString &programa, const QStringList &args, const QString &entrada, const QString &saida)
{
    QProcess p;
    if (!entrada.isEmpty())
        p.setStandardInputFile(entrada);
    p.setStandardOutputFile(saida);
    p.start(programa, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(programa), p.readAllStandardError().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    int repeticoes = 9;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--repeticoes"));
    if (i > 0 && i + 1 < args.size())
        repeticoes = std::max(1, args.at(i + 1).toInt());

    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/");
    const QString banco = home + QStringLiteral("Kelpa.db");
    CriacaoBanco::criar(banco);
    auto conexao = ConexaoBanco::abrir(banco);
    preencher(conexao->db());
    if (!QFile::copy(QStringLiteral(KELPA_EXPT_DAT), home + TExportaArquivo::nomePadraoExptDefs()))
        qFatal("cannot copy %s", KELPA_EXPT_DAT);

    // The same statements for the shell, the operator code written in.
    QString script;
    {
        ArquivoTemporario decifrado(home, QStringLiteral("defs-XXXXXX.db"));
        DefinicoesExportacao::decifrar(QStringLiteral(KELPA_EXPT_DAT), decifrado.caminho());
        auto defs = ConexaoBanco::abrir(decifrado.caminho());
        {
            Consulta c(defs->db(), QStringLiteral("SELECT [SELECT] FROM ENTIDADE_EXPORTAVEL ORDER BY ORDEM"));
            c.executar();
            while (c.proxima())
                script += c.valor(0).toString().replace(u'?', QStringLiteral("'345678'")) + QStringLiteral(";\n");
        }
    }
    const QString arquivoScript = home + QStringLiteral("consultas.sql");
    {
        QFile f(arquivoScript);
        f.open(QIODevice::WriteOnly);
        f.write(script.toUtf8());
    }

    const QString dip = home + QStringLiteral("saida.dip");
    TExportaArquivo exportador;
    exportador.setConnection(conexao->db());
    exportador.setExptdefsPath(home);
    exportador.setHeaderArquivo(QStringLiteral("34567896943342000114Saúde Exemplo"));
    exportador.setNomeArquivo(dip);
    exportador.Exportar({kOperadora}); // warm the caches
    const qint64 registros = exportador.TotalRegistros() - 2;

    const QString saidaShell = home + QStringLiteral("shell.txt");
    const auto [tExport, tShell] = medirPar(
        repeticoes, [&] { exportador.Exportar({kOperadora}); },
        [&] {
            rodar(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), QStringLiteral("-separator"), QStringLiteral("|"), banco},
                  arquivoScript, saidaShell);
        });
    qint64 linhasShell = 0;
    {
        QFile f(saidaShell);
        f.open(QIODevice::ReadOnly);
        while (!f.atEnd()) {
            f.readLine();
            ++linhasShell;
        }
    }

    const QString diz = home + QStringLiteral("saida.diz");
    const QString gzipSistema = home + QStringLiteral("saida.dip.gz");
    TGzip gz;
    gz.setFileSource(dip);
    gz.setFileDestination(diz);
    const auto [tGzip, tGzipSistema] = medirPar(
        repeticoes,
        [&] {
            if (gz.Compress() != TGzip::Ok)
                qFatal("Compress failed: %s", qPrintable(gz.MsgErro()));
        },
        [&] { rodar(QStringLiteral("gzip"), {QStringLiteral("-6"), QStringLiteral("-c"), dip}, {}, gzipSistema); });
    const qint64 tamanho = QFileInfo(diz).size();
    const qint64 tamanhoSistema = QFileInfo(gzipSistema).size();

    const double razaoExport = tExport / tShell;
    const double razaoGzip = tGzip / tGzipSistema;
    const double diferencaTamanho = 100.0 * double(tamanho - tamanhoSistema) / double(tamanhoSistema);
    const bool okExport = razaoExport <= 1.5;
    const bool okGzip = razaoGzip <= 1.2;
    const bool okTamanho = std::abs(diferencaTamanho) <= 1.0;
    const auto meta = [](bool ok) { return ok ? "met" : "MISSED"; };

    out << QStringLiteral("Synthetic operator: %1 quarters, %2 records (shell wrote %3 lines), .dip %4 bytes; median of %5 runs\n")
               .arg(kTrimestres).arg(registros).arg(linhasShell).arg(QFileInfo(dip).size()).arg(repeticoes);
    out << QStringLiteral("export        %1 ms  %2 records/s\n").arg(tExport, 8, 'f', 1).arg(double(registros) / tExport * 1000.0, 0, 'f', 0);
    out << QStringLiteral("sqlite3 shell %1 ms  %2 rows/s\n").arg(tShell, 8, 'f', 1).arg(double(linhasShell) / tShell * 1000.0, 0, 'f', 0);
    out << QStringLiteral("  ratio %1 (goal <= 1.5): %2\n").arg(razaoExport, 0, 'f', 2).arg(QLatin1String(meta(okExport)));
    out << QStringLiteral("TGzip level 6 %1 ms  %2 bytes\n").arg(tGzip, 8, 'f', 1).arg(tamanho);
    out << QStringLiteral("gzip -6       %1 ms  %2 bytes\n").arg(tGzipSistema, 8, 'f', 1).arg(tamanhoSistema);
    out << QStringLiteral("  ratio %1 (goal <= 1.2): %2\n").arg(razaoGzip, 0, 'f', 2).arg(QLatin1String(meta(okGzip)));
    out << QStringLiteral("  size difference %1% (goal within 1%): %2\n").arg(diferencaTamanho, 0, 'f', 2).arg(QLatin1String(meta(okTamanho)));
    out.flush();
    return okExport && okGzip && okTamanho ? 0 : 1;
}
