// Validation of a synthetic operator with 40 and with 80 quarters.
//
// Every quarterly table the rules read is filled (27 states in Quadro 8, a full set
// of balance-sheet and income-statement accounts, the ages of balances), the quarters
// ending in the last one of 2007, so that both runs check the same 2006 and 2007
// quarters against the ages of balances. Each size is validated several times on its
// own database; the median is reported. Goals: the cost grows linearly with the
// quarters (80 quarters within 2.2 times the time of 40) and 40 quarters stay well
// under half a second. Exit code 1 when a goal is missed.
//
//   build/bench/kelpa_bench_validacao [--repeticoes N]

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/Transacao.h"
#include "validacao/ValidacaoDados.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelpa;

namespace {

const QString kOperadora = QStringLiteral("345678");
const char *const kUfs[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                            "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

// Amounts with cents that do not repeat too regularly.
double valor(int a, int b)
{
    return double((a * 7919LL + b * 104729LL) % 10000000) / 100.0;
}

void preencher(const QSqlDatabase &db, int trimestres)
{
    Transacao t(db);
    const auto sql = [&](const QString &comando) { Consulta(db, comando).executar(); };
    sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('345678')"));
    sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD, "
                       "LG_ALTR_TRAM) VALUES ('345678', '1980-01-01', 0, 'MEGRP', 'SPP', 'C', 'SOCIA', 'N')"));
    sql(QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_REG_ATUACAO, LG_ALTR_TRAM) "
                       "VALUES ('345678', '2005-01-01', 0, 1, 'N')"));
    sql(QStringLiteral("INSERT INTO ADMINISTRADORES (CD_OPER, DT_INIC_VIGN, ID_PSOA, LG_RESPONSAVEL_TECNICO, LG_ALTR_TRAM) "
                       "VALUES ('345678', '2005-01-01', 1, 'T', 'N')"));
    sql(QStringLiteral("INSERT INTO DIRETORRELACOES (CD_OPER, DT_INIC_VIGN, CD_OPER_DIRE, ID_PSOA, LG_ALTR_TRAM) "
                       "VALUES ('345678', '2005-01-01', '1', 1, 'N')"));

    // The accounts of each chart version, as the statements store them.
    QStringList contas2001;
    QStringList contas2007;
    Consulta plano(db, QStringLiteral("SELECT DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA FROM TB_PLANOCONTAS"));
    plano.executar();
    while (plano.proxima())
        (plano.data(QStringLiteral("DT_INIC_VIGN_PLANO")).year() >= 2007 ? contas2007 : contas2001)
            << plano.texto(QStringLiteral("CD_CONTA_REFERENCIA"));
    QStringList idades;
    Consulta faixas(db, QStringLiteral("SELECT DISTINCT CD_IDADE_SALDO FROM TA_IdadeSaldo"));
    faixas.executar();
    while (faixas.proxima())
        idades << faixas.texto(QStringLiteral("CD_IDADE_SALDO"));

    Consulta quadro(db, QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, VL_DESP_HOSP_TOT, "
                                       "VL_DESP_MED_TOT, VL_DESP_ODON_TOT, LG_ALTR_TRAM) VALUES ('345678', :DT, :A, :B, :C, 'N')"));
    Consulta uf(db, QStringLiteral("INSERT INTO RECEITASDESPESASUF VALUES ('345678', :DT, :UF, :A, :B, :C, :D, :E, :F, "
                                   ":G, :H, 'N')"));
    Consulta despesa(db, QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR VALUES ('345678', :DT, '20', '2005-01-01', :CD, "
                                        ":V, 'N')"));
    Consulta conta(db, QStringLiteral("INSERT INTO PLANOCONTASVALOR VALUES ('345678', :DT, '20', :PLANO, :CD, :V, 'N')"));
    Consulta provisao(db, QStringLiteral("INSERT INTO PROVISOESTECNICAS (CD_OPER, DT_INIC_VIGN, VL_PROV_RISCO, VL_PROV_OPER, "
                                         "VL_PROV_OUTR, VL_PROV_EVEN_IBNR, LG_ALTR_TRAM) VALUES ('345678', :DT, :A, :B, :C, :D, 'N')"));
    Consulta idade(db, QStringLiteral("INSERT INTO TB_IdadeSaldoValor VALUES ('345678', :CD, :DT, '2006-01-01', :V, 'N')"));

    const QDate ultimo(2007, 10, 1);
    for (int i = 0; i < trimestres; ++i) {
        const QDate dt = ultimo.addMonths(-3 * (trimestres - 1 - i));
        quadro.bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":A"), valor(i, 1)).bind(QStringLiteral(":B"), valor(i, 2))
            .bind(QStringLiteral(":C"), valor(i, 3)).executar();
        int k = 0;
        for (const char *sigla : kUfs) {
            uf.bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":UF"), QString::fromLatin1(sigla));
            for (const char *c : {":A", ":B", ":C", ":D", ":E", ":F", ":G", ":H"})
                uf.bind(QString::fromLatin1(c), valor(i, ++k));
            uf.executar();
        }
        for (const char *cd : {"010", "020", "025", "030", "040", "045"})
            despesa.bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":CD"), QString::fromLatin1(cd))
                .bind(QStringLiteral(":V"), valor(i, ++k)).executar();
        const bool novo = dt.year() >= 2007;
        for (const QString &cd : novo ? contas2007 : contas2001)
            conta.bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":PLANO"), novo ? QDate(2007, 1, 1) : QDate(2001, 1, 1))
                .bind(QStringLiteral(":CD"), cd).bind(QStringLiteral(":V"), valor(i, ++k)).executar();
        provisao.bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":A"), valor(i, 4)).bind(QStringLiteral(":B"), valor(i, 5))
            .bind(QStringLiteral(":C"), valor(i, 6)).bind(QStringLiteral(":D"), valor(i, 7)).executar();
        for (const QString &cd : idades)
            idade.bind(QStringLiteral(":CD"), cd).bind(QStringLiteral(":DT"), dt).bind(QStringLiteral(":V"), valor(i, ++k))
                .executar();
    }
    t.confirmar();
}

struct Medida {
    double mediana = 0;
    qsizetype constatacoes = 0;
};

Medida medir(int trimestres, int repeticoes)
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("Kelpa.db"));
    CriacaoBanco::criar(arquivo);
    auto conexao = ConexaoBanco::abrir(arquivo);
    preencher(conexao->db(), trimestres);

    validacao::ValidacaoDados validacao(conexao->db(), kOperadora, true);
    validacao.executar(); // the first run warms the file cache
    std::vector<double> tempos;
    Medida m;
    for (int r = 0; r < repeticoes; ++r) {
        QElapsedTimer relogio;
        relogio.start();
        const validacao::ResultadoValidacao resultado = validacao.executar();
        tempos.push_back(relogio.nsecsElapsed() / 1e6);
        if (!resultado.concluida) {
            std::fprintf(stderr, "validação não concluída: %s\n", qPrintable(resultado.erro));
            std::exit(2);
        }
        m.constatacoes = resultado.constatacoes.size();
    }
    std::sort(tempos.begin(), tempos.end());
    m.mediana = tempos.at(tempos.size() / 2);
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int repeticoes = 7;
    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--repeticoes"));
    if (i > 0 && i + 1 < args.size())
        repeticoes = std::max(1, args.at(i + 1).toInt());

    const Medida m40 = medir(40, repeticoes);
    const Medida m80 = medir(80, repeticoes);
    const double razao = m80.mediana / m40.mediana;
    std::printf("validação, mediana de %d execuções:\n", repeticoes);
    std::printf("  40 trimestres: %8.1f ms  (%lld constatações)\n", m40.mediana, static_cast<long long>(m40.constatacoes));
    std::printf("  80 trimestres: %8.1f ms  (%lld constatações)\n", m80.mediana, static_cast<long long>(m80.constatacoes));
    std::printf("  razão 80/40:   %8.2f  (meta: até 2,20)\n", razao);
    std::printf("  40 trimestres abaixo de 500 ms: %s\n", m40.mediana < 500 ? "sim" : "NÃO");
    return razao <= 2.2 && m40.mediana < 500 ? 0 : 1;
}
