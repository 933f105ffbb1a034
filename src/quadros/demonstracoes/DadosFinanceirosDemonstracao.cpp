#include "DadosFinanceirosDemonstracao.h"

#include "ContraprestacoesLiquidas.h"
#include "DemonstracaoContabil.h"
#include "FluxoCaixa.h"
#include "IdadeSaldo.h"
#include "InformacoesGerais.h"
#include "LucrosPrejuizos.h"
#include "ProvisoesTecnicas.h"
#include "TrimestresEconomicos.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <QHash>

namespace kelpa {

namespace {

// Entered accounts and lines with their amounts in cents (deductions without sign:
// the statements make them negative, as when typed).
struct Item {
    const char *codigo;
    qint64 centavos;
};

struct LinhaQuadro8 {
    const char *uf;
    qint64 reais[4]; // medical pre-payment, medical other, dental pre-payment, dental other
};

QHash<QString, Moeda> valores(const QList<Item> &itens)
{
    QHash<QString, Moeda> mapa;
    for (const Item &i : itens)
        mapa.insert(QString::fromLatin1(i.codigo), Moeda::deCentavos(i.centavos));
    return mapa;
}

void garantirCadastro(const QSqlDatabase &db, const QString &codOper)
{
    Consulta existe(db, QStringLiteral("SELECT 1 FROM CADASTRO WHERE CD_OPER = :CDOPER LIMIT 1"));
    existe.bind(QStringLiteral(":CDOPER"), codOper);
    if (existe.primeira())
        return;
    Consulta lista(db, QStringLiteral(
                           "SELECT L.DT_INIC_VIGN, L.CD_NATZ_JURD, L.CD_MODL, N.CD_SOCI, "
                           "       (SELECT MIN(M.CD_SUBM) FROM TP_MODALIDADESUBMODALIDADE M "
                           "         WHERE M.CD_MODL = L.CD_MODL AND M.CD_SOCI = N.CD_SOCI) AS CD_SUBM "
                           "FROM LISTAOPERADORAS L LEFT JOIN TP_NATUREZAJURIDICA N ON N.CD_NATZ_JURD = L.CD_NATZ_JURD "
                           "WHERE L.CD_OPER = :CDOPER"));
    lista.bind(QStringLiteral(":CDOPER"), codOper);
    if (!lista.primeira())
        throw ErroBanco(QStringLiteral("A operadora %1 não está na lista oficial.").arg(codOper));
    Consulta(db, QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, "
                                "CD_NATZ_JURD, LG_ALTR_TRAM) VALUES (:CDOPER, :DTVIGN, 0, :MODL, :SUBM, :SOCI, :NATZ, 'N')"))
        .bind(QStringLiteral(":CDOPER"), codOper)
        .bind(QStringLiteral(":DTVIGN"), lista.data(QStringLiteral("DT_INIC_VIGN")))
        .bind(QStringLiteral(":MODL"), lista.texto(QStringLiteral("CD_MODL")))
        .bind(QStringLiteral(":SUBM"), lista.texto(QStringLiteral("CD_SUBM")))
        .bind(QStringLiteral(":SOCI"), lista.texto(QStringLiteral("CD_SOCI")))
        .bind(QStringLiteral(":NATZ"), lista.texto(QStringLiteral("CD_NATZ_JURD")))
        .executar();
}

void preencherDemonstracao(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, QChar tipo,
                           const QList<Item> &itens)
{
    DemonstracaoContabil d(db, codOper, trimestre, tipo);
    d.carregar();
    d.definirValores(valores(itens));
}

void preencherFluxo(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, const QList<Item> &itens)
{
    FluxoCaixa fluxo(db, codOper, trimestre);
    if (!fluxo.carregar())
        throw ErroBanco(FluxoCaixa::MensagemSemLinhas);
    for (const Item &i : itens)
        fluxo.informar(QString::fromLatin1(i.codigo), Moeda::deCentavos(i.centavos));
    fluxo.gravar();
}

void preencherIdades(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, const qint64 (&reais)[10][7])
{
    IdadeSaldo idades(db, codOper, trimestre);
    if (!idades.carregar())
        throw ErroBanco(IdadeSaldo::MensagemSemLinhas);
    for (int c = 0; c < 10; ++c)
        for (int f = 0; f < IdadeSaldo::Faixas; ++f)
            idades.informar(IdadeSaldo::colunas().at(c).codigo(f), Moeda::deCentavos(reais[c][f] * 100));
    idades.gravar();
}

void preencherQuadro8(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, const QList<LinhaQuadro8> &ufs)
{
    ContraprestacoesLiquidas q8(db, codOper, trimestre);
    q8.criarLinhasFaltantes();
    q8.carregar();
    for (const LinhaQuadro8 &uf : ufs)
        for (int c = 0; c < 4; ++c)
            if (uf.reais[c] != 0)
                q8.informar(QString::fromLatin1(uf.uf), static_cast<LinhaReceitaUF::Coluna>(c), Moeda::deCentavos(uf.reais[c] * 100));
}

void preencherProvisoes(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre,
                        const QList<QPair<ProvisoesTecnicas::Campo, qint64>> &centavos)
{
    ProvisoesTecnicas provisoes(db, codOper, trimestre);
    provisoes.carregar();
    for (const auto &[campo, valor] : centavos)
        provisoes.informar(campo, Moeda::deCentavos(valor));
    provisoes.gravar();
}

void preencherInformacoes(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, qint64 funcionarios,
                          const QString &comentario)
{
    InformacoesGerais informacoes(db, codOper, trimestre);
    informacoes.carregar();
    DadosGerenciais dados = informacoes.dados();
    dados.funcionarios = funcionarios;
    dados.comentario = comentario;
    informacoes.gravar(dados);
}

// Quadro 16: the previous year's closing balance and the quarter's movements by item
// code, in cents.
void preencherLucros(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, qint64 saldoAnterior,
                     const QList<Item> &movimentos)
{
    LucrosPrejuizos lucros(db, codOper, trimestre);
    lucros.carregar();
    lucros.informarSaldoAnterior(Moeda::deCentavos(saldoAnterior));
    for (const Item &m : movimentos)
        for (int i = 0; i < lucros.itens().size(); ++i)
            if (lucros.itens().at(i).codigo == QLatin1String(m.codigo))
                lucros.informar(i, Moeda::deCentavos(m.centavos));
    lucros.gravar();
}

} // namespace

void DadosFinanceirosDemonstracao::criar(const QSqlDatabase &db, const QString &codOper)
{
    // The fourth quarter of 2006 in the chart before 2007. Receivables and payables
    // match Quadro 15A column by column; accumulated results (25018) balance the sheet.
    const QList<Item> ativo2006{
        {"10210", 1250037}, {"10220", 18730085}, {"10230", 45000000}, {"10310", 350000000}, {"10320", 145000000},
        {"10810", 128460000}, {"10901", 3520000}, {"10911", 1840000}, {"10921", 2200000}, {"10922", 850000},
        {"10923", 4130000}, {"10924", 320000}, {"10990", 9630000}, {"11010", 1280000}, {"11020", 470000},
        {"11030", 850000}, {"11100", 6420000}, {"11200", 2390000}, {"11300", 1760000}, {"11400", 4800000},
        {"12100", 30000000}, {"12200", 4200000}, {"12300", 18540000}, {"12400", 1200000}, {"13110", 12000000},
        {"13120", 1500000}, {"13130", 500000}, {"13210", 185000000}, {"13220", 42000000}, {"13230", 76000000},
        {"13240", 61250000}, {"13310", 9000000}, {"13320", 5400000}, {"19110", 35000000}
    };
    const QList<Item> passivo2006{
        {"20111", 112000000}, {"20112", 8500000}, {"20119", 6400000}, {"20121", 3800000}, {"20122", 400000},
        {"20129", 250000}, {"20440", 192600000}, {"20950", 7460000}, {"21000", 6570000}, {"21100", 5220000},
        {"21150", 28640000}, {"21160", 12000000}, {"21170", 41270000}, {"20481", 96000000}, {"20482", 3100000},
        {"22100", 24500000}, {"22200", 13800000}, {"22300", 36000000}, {"25011", 250000000}, {"25015", 60000000},
        {"29110", 35000000}, {"25018", 113420122}
    };
    const QList<Item> resultado2006{
        {"30210", 948235000}, {"30220", 18235000}, {"30300", -14500000}, {"30420", 735000000}, {"30440", 21200000},
        {"30460", 3800000}, {"30610", 31000000}, {"30620", 1250000}, {"30710", 18500000}, {"30720", 4230000},
        {"30760", 9640000}, {"30770", 5870000}, {"30810", 61200000}, {"30820", 18850000}, {"30830", 14320000},
        {"30840", 9680042}, {"30850", 7140000}, {"30910", 21460019}, {"30920", 3890000}, {"30940", 1200000},
        {"30950", 350000}, {"30970", 16800000}, {"30980", 6100000}
    };
    // The first quarter of 2007 in the current chart: the accumulated results grow by the
    // quarter's net result.
    const QList<Item> ativo2007{
        {"12110", 1480052}, {"12120", 20360011}, {"12130", 48000000}, {"12210", 362000000}, {"123110", 132390000},
        {"123190", 10150000}, {"123310", 3680000}, {"123510", 1950000}, {"123710", 2340000}, {"123720", 910000},
        {"123730", 4040000}, {"123740", 290000}, {"123741", 120000}, {"123911", 1030000}, {"123939", 490000},
        {"12411", 1420000}, {"12416", 310000}, {"12419", 240000}, {"12500", 6690000}, {"12600", 2480000},
        {"12700", 1930000}, {"12800", 5780000}, {"13100", 30000000}, {"13200", 4350000}, {"13300", 19210000},
        {"13400", 1200000}, {"14110", 12000000}, {"14120", 1500000}, {"14130", 500000}, {"14210", 185000000},
        {"14220", 42000000}, {"14230", 78500000}, {"14240", 64180000}, {"14310", 9000000}, {"14320", 5850000},
        {"19110", 35000000}, {"12220", 206810073}
    };
    const QList<Item> passivo2007{
        {"21111", 115800000}, {"21112", 9100000}, {"21113", 2400000}, {"21119", 4650000}, {"20480", 100900000},
        {"21200", 199320000}, {"21301", 1840000}, {"21302", 9650000}, {"21303", 6820000}, {"21304", 7680000},
        {"21305", 3820000}, {"21400", 1720000}, {"21500", 30120000}, {"21600", 12000000}, {"21700", 39860000},
        {"22200", 25100000}, {"22300", 14150000}, {"22400", 33000000}, {"25011", 250000000}, {"25015", 60000000},
        {"25018", 178410136}, {"29110", 35000000}
    };
    const QList<Item> resultado2007{
        {"31011", 902000000}, {"31012", 56000000}, {"31002", -15200000}, {"32001", 752000000}, {"32002", 22400000},
        {"32003", 4100000}, {"32004", -1800000}, {"33001", 4600000}, {"33002", 19200000}, {"34011", 31800000},
        {"34012", 980000}, {"35001", 10100000}, {"35002", 6130000}, {"35003", 8400000}, {"36001", 63800000},
        {"36002", 19400000}, {"36003", 14850000}, {"36004", 9920063}, {"36005", 7390000}, {"37001", 22640077},
        {"37002", 3610000}, {"38001", 1250000}, {"38002", 280000}, {"39101", 17200000}, {"39102", 6300000}
    };
    // The cash flow ends on the quarter's Caixa + Bancos; 2007 starts where 2006 ended.
    const QList<Item> fluxo2006{
        {"000", 17640000}, {"101", 934800000}, {"102", 22610000}, {"103", 710500000}, {"104", 30200000},
        {"105", 59800000}, {"106", 4500000}, {"107", 18100000}, {"108", 32200000}, {"109", 2800000},
        {"110", 6450000}, {"111", 3820000}, {"112", 4130000}, {"202", 1200000}, {"204", 800000},
        {"206", 8400000}, {"207", 3650000}, {"304", 21460000}, {"305", 38000000}, {"307", 1890000},
        {"308", 6000000}, {"310", 124089878}
    };
    const QList<Item> fluxo2007{
        {"000", 19980122}, {"101", 961200000}, {"102", 23150000}, {"103", 740200000}, {"104", 31100000},
        {"105", 62400000}, {"106", 4650000}, {"107", 18900000}, {"108", 33500000}, {"109", 1750000},
        {"110", 6680000}, {"111", 2940000}, {"112", 4410000}, {"204", 950000}, {"207", 2500000},
        {"304", 22640000}, {"305", 41000000}, {"307", 1760000}, {"308", 6000000}, {"310", 130290059}
    };
    // Quadro 15A in reais: the ten columns left to right, each from "a Vencer" to "+ de 365".
    const qint64 idade2006[10][7] = {
        {412300, 58400, 21900, 12600, 8100, 15700, 6200},
        {538900, 74200, 18300, 6500, 3900, 9800, 4100},
        {82600, 7400, 2100, 0, 0, 1600, 0},
        {41800, 6300, 2400, 1100, 0, 1500, 500},
        {52400, 12100, 4800, 2300, 1200, 1700, 500},
        {18200, 3100, 1600, 900, 400, 1300, 500},
        {1642000, 214500, 38700, 12300, 6800, 9400, 2300},
        {64200, 8100, 2300, 0, 0, 0, 0},
        {58400, 6200, 1100, 0, 0, 0, 0},
        {41900, 5600, 2200, 800, 0, 1400, 300}
    };
    const qint64 idade2007[10][7] = {
        {428700, 61200, 23400, 11800, 7600, 16900, 6800},
        {552300, 70900, 19800, 7100, 4200, 10300, 4400},
        {86100, 8200, 1900, 600, 0, 1700, 0},
        {43900, 6800, 2100, 1200, 300, 1400, 600},
        {54800, 11600, 5100, 2100, 1100, 1900, 400},
        {23500, 3600, 1900, 1000, 500, 1400, 600},
        {1698000, 221300, 41200, 13100, 7200, 9900, 2500},
        {66800, 7900, 2100, 0, 0, 0, 0},
        {60300, 6700, 1200, 0, 0, 0, 0},
        {44600, 5900, 2300, 700, 0, 1500, 400}
    };
    // Quadro 8 adds up to the net consideration of the income statement.
    const QList<LinhaQuadro8> quadro8de2006{
        {"SP", {5200000, 1150000, 420000, 30000}}, {"RJ", {1400000, 310000, 95000, 0}}, {"MG", {620000, 75000, 0, 0}}};
    const QList<LinhaQuadro8> quadro8de2007{
        {"SP", {5350000, 1180000, 430000, 32000}}, {"RJ", {1450000, 320000, 98000, 0}}, {"MG", {640000, 80000, 0, 0}}};

    Transacao transacao(db);
    garantirCadastro(db, codOper);
    const QDate quarto2006 = trimestres().at(0);
    const QDate primeiro2007 = trimestres().at(1);
    for (const QDate &t : trimestres())
        if (!TrimestresEconomicos::IncluiNovoTrimestre(db, codOper, t))
            throw ErroBanco(QStringLiteral("Não foi possível incluir o trimestre desejado."));

    preencherDemonstracao(db, codOper, quarto2006, u'A', ativo2006);
    preencherDemonstracao(db, codOper, quarto2006, u'P', passivo2006);
    preencherDemonstracao(db, codOper, quarto2006, u'R', resultado2006);
    preencherFluxo(db, codOper, quarto2006, fluxo2006);
    preencherIdades(db, codOper, quarto2006, idade2006);
    preencherQuadro8(db, codOper, quarto2006, quadro8de2006);
    // Quadro 14 (up to 2006) adds up to the liabilities' technical provisions and IBNR;
    // "Outras" (21119 + 21129) holds the remission provisions.
    using P = ProvisoesTecnicas;
    preencherProvisoes(db, codOper, quarto2006,
                       {{P::Risco, 115800000}, {P::Operacao, 8900000}, {P::EventosIbnr, 99100000}, {P::RemCurto, 1500000},
                        {P::RemLongo, 950000}, {P::RemOutras, 4200000}});
    // Quadro 16 ends on the accumulated results (25018): the net result of the quarter
    // (Quadro 13) less the dividends and the reserves.
    preencherLucros(db, codOper, quarto2006, 64485144, {{"01", -15000000}, {"02", -3364999}, {"04", 67299977}});
    preencherInformacoes(db, codOper, quarto2006, 184,
                         QStringLiteral("Reajuste anual dos planos coletivos aplicado em outubro."));

    preencherDemonstracao(db, codOper, primeiro2007, u'A', ativo2007);
    preencherDemonstracao(db, codOper, primeiro2007, u'P', passivo2007);
    preencherDemonstracao(db, codOper, primeiro2007, u'R', resultado2007);
    preencherFluxo(db, codOper, primeiro2007, fluxo2007);
    preencherIdades(db, codOper, primeiro2007, idade2007);
    preencherQuadro8(db, codOper, primeiro2007, quadro8de2007);
    // 2007 starts from the accumulated results of 2006 and adds the quarter's net result.
    preencherLucros(db, codOper, primeiro2007, 113420122, {{"04", 64990014}});
    preencherInformacoes(db, codOper, primeiro2007, 191, QString());
    transacao.confirmar();
}

} // namespace kelpa
