// Quadros 15 and 15A in their host, driven with real keys: the activity totals, the
// quarter's cash flow and the final balance follow every typed amount, "(-)" lines
// turn negative and red, negative amounts are refused where the quadro forbids them,
// "Confirmar" belongs to the last page and writes everything in one go, and quarters
// before 2006 show the notice instead of the figures.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Capturas.h"

#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TFraNavegacaoPagControl.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/IdadeSaldo.h"
#include "quadros/demonstracoes/ui/CabecalhoAgrupado.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/demonstracoes/ui/ModeloFluxoCaixa.h"
#include "quadros/demonstracoes/ui/ModeloIdadeSaldo.h"
#include "quadros/demonstracoes/ui/TFrameDistrIdadeSaldo.h"
#include "quadros/demonstracoes/ui/TFrameFluxoCaixa.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

class FluxoCaixaUi : public QuadroEconomicoTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir()
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 78);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TFrameFluxoCaixa *>(host->quadro());
        return host;
    }
    QModelIndex campo(const char *codigo) const
    {
        const QString c = QString::fromLatin1(codigo);
        for (int p = 0; p < 4; ++p)
            if (const QModelIndex i = quadro->modelo(p)->indiceDoCodigo(c); i.isValid())
                return i;
        return {};
    }
    GradeValores *gradeDe(const char *codigo) const
    {
        return quadro->grade(campo(codigo).model() == quadro->modelo(0) ? 0 : QString::fromLatin1(codigo).left(1).toInt());
    }
    QString guardado(const char *codigo, const QString &trimestre = QStringLiteral("2007-04-01")) const
    {
        return escalar(QStringLiteral("SELECT printf('%.2f', VL_CONTA_FLUXO_CAIXA) || ' ' || LG_ALTR_TRAM FROM TB_FluxoCaixaValor "
                                      "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%1' AND CD_FLUXO_CAIXA = '%2'")
                           .arg(trimestre, QLatin1String(codigo)))
            .toString();
    }
    // A quarter after the demo's two, all zeros.
    void novoTrimestre()
    {
        DesvioMensagens sim([](const auto &) { return mrSim; });
        QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
        ASSERT_EQ(quadro->trimestre(), QDate(2007, 4, 1));
    }

    TFrameFluxoCaixa *quadro = nullptr;
};

} // namespace

TEST_F(FluxoCaixaUi, TheDemoQuarterEndsOnItsCashAndBanks)
{
    auto host = abrir();
    ASSERT_NE(quadro, nullptr);
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testadores;
    for (int p = 0; p < 4; ++p)
        testadores.push_back(std::make_unique<QAbstractItemModelTester>(quadro->modelo(p), QAbstractItemModelTester::FailureReportingMode::Fatal));
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 15: Fluxo de Caixa"));
    EXPECT_EQ(quadro->trimestre(), QDate(2007, 1, 1));
    EXPECT_FALSE(quadro->lblAviso()->isVisible());
    // The final balance of the quarter is the prior balance plus the three activities.
    const Moeda anterior = quadro->fluxo()->valor(QStringLiteral("000"));
    const Moeda final = quadro->fluxo()->valor(QStringLiteral("015"));
    EXPECT_EQ(final, anterior + quadro->fluxo()->valor(QStringLiteral("113")) + quadro->fluxo()->valor(QStringLiteral("211"))
                         + quadro->fluxo()->valor(QStringLiteral("312")));
    EXPECT_EQ(texto(campo("015")), final.texto());
    EXPECT_EQ(texto(campo("000")), QStringLiteral("199.801,22"));
    EXPECT_EQ(campo("015").data(Qt::ToolTipRole).toString().left(48), QStringLiteral("Resultado da soma do Saldo do trimestre anterior"));
    capturar(host.get(), QStringLiteral("quadro15-sintetico-demo"));
    for (int p = 1; p < 4; ++p) {
        QTest::mouseClick(quadro->navegacao(p - 1)->BtAvancar(), Qt::LeftButton);
        EXPECT_EQ(quadro->pgAtividades()->currentIndex(), p);
        // "Confirmar" belongs to the last page.
        EXPECT_EQ(quadro->btnConfirmar()->isEnabled(), p == 3);
        capturar(host.get(), QStringLiteral("quadro15-pagina%1-demo").arg(p));
    }
    // "(-)" lines show negative and red.
    EXPECT_TRUE(texto(campo("103")).startsWith(u'-'));
    EXPECT_EQ(campo("103").data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

TEST_F(FluxoCaixaUi, TotalsFollowTheTypingAndConfirmWritesEveryLine)
{
    QList<DesvioMensagens::Chamada> mensagens;
    auto host = abrir();
    novoTrimestre();
    DesvioMensagens desvio([&mensagens](const DesvioMensagens::Chamada &c) {
        mensagens << c;
        return mrOk;
    });
    EXPECT_EQ(texto(campo("015")), QStringLiteral("0,00"));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());

    digitarEConfirmar(quadro->grade(0), campo("000"), QStringLiteral("100"));
    quadro->pgAtividades()->setCurrentIndex(1);
    digitarEConfirmar(quadro->grade(1), campo("101"), QStringLiteral("1.050,00"));
    // Enter went on to the next line.
    EXPECT_EQ(quadro->grade(1)->currentIndex(), campo("102"));
    // A payment typed as an amount becomes negative and red, and lowers the activity.
    QLineEdit *editor = digitar(quadro->grade(1), campo("110"), QStringLiteral("1.000"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(texto(campo("113")), QStringLiteral("50,00")); // as the user types
    capturar(host.get(), QStringLiteral("quadro15-digitando"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(campo("110")), QStringLiteral("-1.000,00"));
    EXPECT_EQ(campo("110").data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(texto(campo("113")), QStringLiteral("50,00"));

    // A receipt may not be negative: refused at once, the field back to zero.
    editor = digitar(quadro->grade(1), campo("102"), QStringLiteral("-5"));
    ASSERT_FALSE(mensagens.isEmpty());
    EXPECT_EQ(mensagens.last().texto, FluxoCaixa::MensagemNegativo);
    EXPECT_EQ(mensagens.last().tipo, TipoMensagem::Erro);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("0,00"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(campo("102")), QStringLiteral("0,00"));

    quadro->pgAtividades()->setCurrentIndex(2);
    digitarEConfirmar(quadro->grade(2), campo("207"), QStringLiteral("20"));
    quadro->pgAtividades()->setCurrentIndex(0);
    // Prior balance 100, operating 50, investing -20, financing 0: 30 in the quarter, 130 at its end.
    EXPECT_EQ(texto(campo("011")), QStringLiteral("50,00"));
    EXPECT_EQ(texto(campo("012")), QStringLiteral("-20,00"));
    EXPECT_EQ(texto(campo("014")), QStringLiteral("30,00"));
    EXPECT_EQ(texto(campo("015")), QStringLiteral("130,00"));
    // Nothing is stored before "Confirmar".
    EXPECT_EQ(guardado("101"), QStringLiteral("0.00 N"));

    quadro->pgAtividades()->setCurrentIndex(3);
    const int antes = static_cast<int>(mensagens.size());
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    ASSERT_EQ(mensagens.size(), antes + 1);
    EXPECT_EQ(mensagens.last().texto, QStringLiteral("Dados Gravados com sucesso..."));
    EXPECT_EQ(host->result(), QDialog::Accepted);
    EXPECT_EQ(guardado("000"), QStringLiteral("100.00 N"));
    EXPECT_EQ(guardado("101"), QStringLiteral("1050.00 N"));
    EXPECT_EQ(guardado("110"), QStringLiteral("-1000.00 N"));
    EXPECT_EQ(guardado("113"), QStringLiteral("50.00 N"));
    EXPECT_EQ(guardado("211"), QStringLiteral("-20.00 N"));
    EXPECT_EQ(guardado("312"), QStringLiteral("0.00 N"));
}

TEST_F(FluxoCaixaUi, CancelDropsWhatWasTyped)
{
    auto host = abrir();
    const QString antes = texto(campo("101"));
    quadro->pgAtividades()->setCurrentIndex(1);
    digitarEConfirmar(quadro->grade(1), campo("101"), QStringLiteral("1"));
    EXPECT_EQ(texto(campo("101")), QStringLiteral("1,00"));
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_EQ(host->result(), QDialog::Rejected);
    auto outro = abrir();
    EXPECT_EQ(texto(campo("101")), antes);
}

TEST_F(FluxoCaixaUi, QuartersBefore2006ShowTheNotice)
{
    sql(QStringLiteral("DELETE FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '345678'"));
    sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES ('345678', '2005-10-01', 'N')"));
    auto host = abrir();
    EXPECT_TRUE(quadro->lblAviso()->isVisible());
    EXPECT_EQ(quadro->lblAviso()->text(), QStringLiteral("   Quadro disponível somente para  \n informações a partir do 1º Trimestre \n"
                                                         "                          2006.             "));
    EXPECT_FALSE(quadro->pgAtividades()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->cbxPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnIncluiPeriodo()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro15-antes-de-2006"));

    // With a quarter of 2006 listed, the way back to it stays open.
    sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES ('345678', '2006-01-01', 'N')"));
    auto outro = abrir();
    EXPECT_FALSE(quadro->lblAviso()->isVisible());
    quadro->cbxPeriodo()->setCurrentIndex(1);
    emit quadro->cbxPeriodo()->activated(1);
    EXPECT_TRUE(quadro->lblAviso()->isVisible());
    EXPECT_TRUE(quadro->cbxPeriodo()->isEnabled());
    quadro->cbxPeriodo()->setCurrentIndex(0);
    emit quadro->cbxPeriodo()->activated(0);
    EXPECT_FALSE(quadro->lblAviso()->isVisible());
    EXPECT_TRUE(quadro->pgAtividades()->isVisible());
}

TEST_F(FluxoCaixaUi, ASaveTheDatabaseRefusesIsToldAndChangesNothing)
{
    QList<DesvioMensagens::Chamada> mensagens;
    DesvioMensagens desvio([&mensagens](const DesvioMensagens::Chamada &c) {
        mensagens << c;
        return mrOk;
    });
    const QString antes = guardado("101", QStringLiteral("2007-01-01"));
    auto host = abrir();
    quadro->pgAtividades()->setCurrentIndex(1);
    digitarEConfirmar(quadro->grade(1), campo("101"), QStringLiteral("1"));
    digitarEConfirmar(quadro->grade(1), campo("104"), QStringLiteral("1"));
    // The second line written makes the database refuse, half-way through.
    sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON TB_FluxoCaixaValor WHEN NEW.CD_FLUXO_CAIXA = '104' "
                       "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    quadro->pgAtividades()->setCurrentIndex(3);
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    ASSERT_FALSE(mensagens.isEmpty());
    EXPECT_EQ(mensagens.last().tipo, TipoMensagem::Erro);
    EXPECT_TRUE(mensagens.last().texto.contains(QStringLiteral("disco cheio"))) << mensagens.last().texto.toStdString();
    EXPECT_TRUE(host->isVisible());
    EXPECT_EQ(guardado("101", QStringLiteral("2007-01-01")), antes);
}

namespace {

class IdadeSaldoUi : public QuadroEconomicoTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir()
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 79);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TFrameDistrIdadeSaldo *>(host->quadro());
        return host;
    }
    QModelIndex campo(const char *codigo) const
    {
        const QString c = QString::fromLatin1(codigo);
        for (int p = 0; p < 2; ++p)
            if (const QModelIndex i = quadro->modelo(p)->indiceDoCodigo(c); i.isValid())
                return i;
        return {};
    }
    TFrameDistrIdadeSaldo *quadro = nullptr;
};

} // namespace

TEST_F(IdadeSaldoUi, TheDemoQuarterWithItsTotals)
{
    auto host = abrir();
    ASSERT_NE(quadro, nullptr);
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testadores;
    for (int p = 0; p < 2; ++p)
        testadores.push_back(std::make_unique<QAbstractItemModelTester>(quadro->modelo(p), QAbstractItemModelTester::FailureReportingMode::Fatal));
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 15A: Distribuição por Idade de Saldos"));
    EXPECT_GE(host->width(), 840);
    ModeloIdadeSaldo *ativo = quadro->modelo(0);
    // The first column of the demo: 428.700 + 61.200 + 23.400 + 11.800 + 7.600 + 16.900 + 6.800.
    EXPECT_EQ(texto(ativo->index(ModeloIdadeSaldo::LinhaTotal, 0)), QStringLiteral("556.400,00"));
    EXPECT_EQ(ativo->headerData(3, Qt::Horizontal).toString(), QStringLiteral("T O T A L"));
    EXPECT_EQ(quadro->cabecalhoAtivo()->grupos().first().texto, QStringLiteral("Faturas e Mensalidades a Receber"));
    EXPECT_EQ(quadro->modelo(1)->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Eventos\na\nLiquidar"));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro15a-ativo-demo"));
    QTest::mouseClick(quadro->paginas()->currentWidget()->findChild<TFraNavegacaoPagControl *>()->BtAvancar(), Qt::LeftButton);
    EXPECT_EQ(quadro->paginas()->currentIndex(), 1);
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro15a-passivo-demo"));
}

TEST_F(IdadeSaldoUi, PlanColumnsAddUpInTheTotalColumnAndNegativesAreRefused)
{
    QList<DesvioMensagens::Chamada> mensagens;
    DesvioMensagens desvio([&mensagens](const DesvioMensagens::Chamada &c) {
        mensagens << c;
        return mrSim;
    });
    auto host = abrir();
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(estado.dtVigencia(), QDate(2007, 4, 1));
    ModeloIdadeSaldo *ativo = quadro->modelo(0);
    GradeValores *grade = quadro->grade(0);
    // Row "até 30" of the three plan columns: codes 02, 09 and 16.
    digitarEConfirmar(grade, campo("02"), QStringLiteral("100"));
    EXPECT_EQ(grade->currentIndex(), campo("03")); // Enter goes down the column
    digitarEConfirmar(grade, campo("09"), QStringLiteral("50"));
    QLineEdit *editor = digitar(grade, campo("16"), QStringLiteral("25"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(texto(ativo->index(1, 3)), QStringLiteral("175,00")); // as the user types
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(ativo->index(1, 3)), QStringLiteral("175,00"));
    EXPECT_EQ(texto(ativo->index(ModeloIdadeSaldo::LinhaTotal, 0)), QStringLiteral("100,00"));
    EXPECT_EQ(texto(ativo->index(ModeloIdadeSaldo::LinhaTotal, 3)), QStringLiteral("175,00"));
    // The administration fee never enters the T O T A L column.
    digitarEConfirmar(grade, campo("23"), QStringLiteral("1.000"));
    EXPECT_EQ(texto(ativo->index(ModeloIdadeSaldo::LinhaTotal, 3)), QStringLiteral("175,00"));
    EXPECT_EQ(texto(ativo->index(ModeloIdadeSaldo::LinhaTotal, 4)), QStringLiteral("1.000,00"));

    const int antes = static_cast<int>(mensagens.size());
    editor = digitar(grade, campo("30"), QStringLiteral("-1"));
    ASSERT_EQ(mensagens.size(), antes + 1);
    EXPECT_EQ(mensagens.last().texto, IdadeSaldo::MensagemNegativo);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("0,00"));
    QTest::keyClick(editor, Qt::Key_Return);
    // At most 13 characters, as the field of the form.
    editor = digitar(grade, campo("31"), QStringLiteral("12345678901234567"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text().size(), 13);
    QTest::keyClick(editor, Qt::Key_Escape);
    capturar(host.get(), QStringLiteral("quadro15a-digitado"));

    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    quadro->paginas()->setCurrentIndex(1);
    digitarEConfirmar(quadro->grade(1), campo("50"), QStringLiteral("300"));
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(mensagens.last().texto, QStringLiteral("Dados Gravados com sucesso..."));
    host.reset();
    reiniciar();
    IdadeSaldo guardado(db(), oper, QDate(2007, 4, 1));
    ASSERT_TRUE(guardado.carregar());
    EXPECT_EQ(guardado.valor(QStringLiteral("16")), Moeda::deCentavos(2500));
    EXPECT_EQ(guardado.totalGeral(), Moeda::deCentavos(17500));
    EXPECT_EQ(guardado.valor(QStringLiteral("50")), Moeda::deCentavos(30000));
    EXPECT_EQ(guardado.valor(QStringLiteral("30")), Moeda());
}

TEST_F(IdadeSaldoUi, AnInsurerReadsInsurerCaptions)
{
    clonarOperadora(QStringLiteral("012345"));
    auto host = abrir();
    EXPECT_EQ(quadro->cabecalhoAtivo()->grupos().first().texto, QStringLiteral("Seguros a Receber"));
    EXPECT_EQ(quadro->modelo(1)->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Provisão\nde Sinistro\na Liquidar"));
    quadro->paginas()->setCurrentIndex(1);
    capturar(host.get(), QStringLiteral("quadro15a-seguradora"));
}
