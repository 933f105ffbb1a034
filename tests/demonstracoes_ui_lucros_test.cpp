// Quadro 16 in its host, driven with real keys on the demo operator: the year's
// movement ending on the liabilities' accumulated results, the totals following the
// typing, the signs checked before one write, Cancelar and a refused write leaving
// the database as it was, the previous year's balance typed only where it belongs,
// the notices, and the printed Quadro 16 from kelpa-cli.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "apoio/TextoPdf.h"

#include "quadros/demonstracoes/LucrosPrejuizos.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/demonstracoes/ui/ModeloLucrosPrejuizos.h"
#include "quadros/demonstracoes/ui/TfraImpressaoTrimestre.h"
#include "quadros/demonstracoes/ui/TfraLucrosPrejuizos.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

using M = ModeloLucrosPrejuizos;

class LucrosPrejuizosUi : public QuadroTrimestralTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir16(TfraLucrosPrejuizos *&quadro, const QString &trimestre = {})
    {
        auto host = trimestre.isEmpty() ? abrir(77, quadro) : abrirEm(77, quadro, trimestre);
        EXPECT_NE(quadro, nullptr);
        return host;
    }
    QString movimento(int ano, int trimestre, const char *item) const
    {
        return escalar(QStringLiteral("SELECT VL_ITEM_SALDO || LG_ALTR_TRAM FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678' "
                                      "AND NR_ANO = %1 AND NR_TRIMESTRE = %2 AND CD_ITEM_SALDO = '%3'")
                           .arg(ano)
                           .arg(trimestre)
                           .arg(QLatin1String(item)))
            .toString();
    }
    QString saldoDoAno(int ano) const
    {
        return escalar(QStringLiteral("SELECT GROUP_CONCAT(VL_SALDO_FINAL_ANO || LG_ALTR_TRAM) FROM SALDOACUMULADOANO "
                                      "WHERE CD_OPER = '345678' AND NR_ANO = %1")
                           .arg(ano))
            .toString();
    }
    // "Confirmar" clicked, answering every message with Ok: the one message it shows.
    static DesvioMensagens::Chamada confirmar(TfraLucrosPrejuizos *quadro)
    {
        DesvioMensagens mensagens([](const auto &) { return mrOk; });
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(mensagens.chamadas().size(), 1);
        return mensagens.chamadas().value(0);
    }
    static QModelIndex acumulado(const M *m, int linha) { return m->index(linha, M::Acumulado); }
    static QModelIndex noTrimestre(const M *m, int linha) { return m->index(linha, M::Trimestre); }
};

} // namespace

TEST_F(LucrosPrejuizosUi, TheNewestQuarterEndsOnTheLiabilitiesAccumulatedResults)
{
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    M *m = quadro->modelo();
    QAbstractItemModelTester testador(m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 16: Lucros ou Prejuízos"));
    EXPECT_EQ(quadro->gbxPeriodo()->title(), QStringLiteral("Trimestre:"));
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 2);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("1º Trimestre de 2007"));
    EXPECT_EQ(m->headerData(M::Trimestre, Qt::Horizontal).toString(), QStringLiteral("No Trimestre"));
    EXPECT_EQ(m->headerData(M::Acumulado, Qt::Horizontal).toString(), QStringLiteral("ACUMULADO"));
    ASSERT_EQ(m->rowCount(), 11);
    EXPECT_EQ(texto(m->index(m->linhaItem(0), M::Descricao)), QStringLiteral("(-) Lucros distribuídos"));
    EXPECT_TRUE(m->index(m->linhaItem(0), M::Descricao).data(Qt::ToolTipRole).toString().contains(QStringLiteral("sócios")));

    // The balance of 31/12/2006 plus the quarter's net result is Quadro 12's line.
    EXPECT_EQ(texto(m->indiceSaldoAnterior()), QStringLiteral("1.134.201,22"));
    EXPECT_TRUE(m->indiceSaldoAnterior().data(Qt::ToolTipRole).toString().contains(QStringLiteral("2518; ou 2618; ou 2718")));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaItem(3))), QStringLiteral("649.900,14"));
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(3))), QStringLiteral("649.900,14"));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaMovimento())), QStringLiteral("649.900,14"));
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), QStringLiteral("1.784.101,36"));
    const Moeda passivo = Moeda::doBanco(escalar(QStringLiteral(
        "SELECT VL_CONTA_REFERENCIA FROM PLANOCONTASVALOR WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-01-01' "
        "AND CD_CONTA_REFERENCIA = '25018'")));
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), passivo.texto());
    EXPECT_TRUE(acumulado(m, m->linhaSaldoAtual()).data(Qt::ToolTipRole).toString().contains(QStringLiteral("Quadro 12")));

    // The newest quarter is open for typing, starting on the previous year's balance.
    EXPECT_TRUE(m->indiceSaldoAnterior().flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(m->indiceItem(0).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(acumulado(m, m->linhaItem(0)).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(acumulado(m, m->linhaSaldoAtual()).flags() & Qt::ItemIsEditable);
    EXPECT_EQ(quadro->grade()->currentIndex(), m->indiceSaldoAnterior());
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    EXPECT_TRUE(quadro->btnImprimir()->isVisible());
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro16-2007-demo"));

    // The older quarter: the year 2006 of the demo, read-only until the user asks to edit it.
    escolher(quadro, QStringLiteral("4º Trimestre de 2006"));
    EXPECT_EQ(texto(m->indiceSaldoAnterior()), QStringLiteral("644.851,44"));
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(0))), QStringLiteral("-150.000,00"));
    EXPECT_EQ(m->index(m->linhaItem(0), M::Acumulado).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), QStringLiteral("1.134.201,22"));
    EXPECT_FALSE(m->indiceItem(0).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(m->indiceSaldoAnterior().flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro16-2006-demo"));
    editar(quadro);
    EXPECT_TRUE(m->indiceItem(0).flags() & Qt::ItemIsEditable);
    // The operator's first quarter of 2006: the closing balance of 2005 is typed here.
    EXPECT_TRUE(m->indiceSaldoAnterior().flags() & Qt::ItemIsEditable);
}

TEST_F(LucrosPrejuizosUi, TheTotalsFollowTheTypingAndConfirmChecksTheSignsBeforeWritingInOneGo)
{
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    M *m = quadro->modelo();
    GradeValores *grade = quadro->grade();
    digitarEConfirmar(grade, m->indiceSaldoAnterior(), QStringLiteral("1.000.000"));
    // Enter goes on down the quarter's column.
    EXPECT_EQ(grade->currentIndex(), m->indiceItem(0));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    QLineEdit *editor = digitar(grade, m->indiceItem(0), QStringLiteral("150"));
    ASSERT_NE(editor, nullptr);
    // As the user types, the totals already show what they will be.
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), QStringLiteral("1.650.050,14"));
    capturar(host.get(), QStringLiteral("quadro16-digitando"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(0))), QStringLiteral("150,00"));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaMovimento())), QStringLiteral("650.050,14"));
    EXPECT_EQ(texto(acumulado(m, m->linhaMovimento())), QStringLiteral("650.050,14"));
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), QStringLiteral("1.650.050,14"));
    // Nothing is stored before "Confirmar".
    EXPECT_EQ(movimento(2007, 1, "01"), QStringLiteral("0.0N"));

    QSignalSpy concluido(quadro, &TfraModeloQuadroPeriodo::concluido);
    const DesvioMensagens::Chamada sinal = confirmar(quadro);
    EXPECT_EQ(sinal.texto, QStringLiteral("O valor do item (-) Lucros distribuídos deve ser NEGATIVO"));
    EXPECT_EQ(sinal.tipo, TipoMensagem::Erro);
    EXPECT_TRUE(concluido.isEmpty());
    EXPECT_EQ(movimento(2007, 1, "01"), QStringLiteral("0.0N"));
    EXPECT_EQ(saldoDoAno(2006), QStringLiteral("1134201.22N"));
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(0))), QStringLiteral("150,00"));

    digitarEConfirmar(grade, m->indiceItem(0), QStringLiteral("-150"));
    const DesvioMensagens::Chamada gravado = confirmar(quadro);
    EXPECT_EQ(gravado.texto, QStringLiteral("Dados Gravados com sucesso..."));
    EXPECT_EQ(gravado.tipo, TipoMensagem::Informacao);
    ASSERT_EQ(concluido.size(), 1);
    EXPECT_EQ(concluido.first().first().toInt(), QDialog::Accepted);
    EXPECT_EQ(movimento(2007, 1, "01"), QStringLiteral("-150.0N"));
    EXPECT_EQ(movimento(2007, 1, "04"), QStringLiteral("649900.14N"));
    EXPECT_EQ(saldoDoAno(2006), QStringLiteral("1000000.0N"));
}

TEST_F(LucrosPrejuizosUi, CancelWritesNothingAndARefusedWriteKeepsTheQuadroOpenWithWhatWasTyped)
{
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    M *m = quadro->modelo();
    digitarEConfirmar(quadro->grade(), m->indiceItem(3), QStringLiteral("500"));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaItem(3))), QStringLiteral("500,00"));
    sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON SALDOACUMULADOTRIMESTRE BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));

    QSignalSpy concluido(quadro, &TfraModeloQuadroPeriodo::concluido);
    const DesvioMensagens::Chamada erro = confirmar(quadro);
    EXPECT_TRUE(erro.texto.startsWith(QStringLiteral("Houve erro na gravação.\rTente novamente...")));
    EXPECT_TRUE(erro.texto.contains(QStringLiteral("disco cheio")));
    EXPECT_EQ(erro.tipo, TipoMensagem::Erro);
    EXPECT_TRUE(concluido.isEmpty());
    EXPECT_EQ(texto(noTrimestre(m, m->linhaItem(3))), QStringLiteral("500,00"));
    EXPECT_EQ(movimento(2007, 1, "04"), QStringLiteral("649900.14N"));

    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    ASSERT_EQ(concluido.size(), 1);
    EXPECT_EQ(concluido.first().first().toInt(), QDialog::Rejected);
    EXPECT_EQ(movimento(2007, 1, "04"), QStringLiteral("649900.14N"));
    EXPECT_EQ(saldoDoAno(2006), QStringLiteral("1134201.22N"));
}

TEST_F(LucrosPrejuizosUi, ANewQuarterAccumulatesTheYearAndKeepsTheBalanceOfItsFirstQuarter)
{
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    {
        DesvioMensagens sim([](const auto &) { return mrSim; });
        QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
        ASSERT_EQ(sim.chamadas().size(), 1);
        EXPECT_EQ(sim.chamadas().first().texto, QStringLiteral("Incluir 2º Trimestre de 2007 ?"));
    }
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 3);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("2º Trimestre de 2007"));
    // The new quarter has its items and the rows of the other quadros.
    EXPECT_EQ(escalar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '345678' "
                                     "AND DT_INIC_VIGN = '2007-04-01'")).toInt(), 1);
    M *m = quadro->modelo();
    // The balance of 2006 was typed in the first quarter: here it is only shown, without its hint.
    EXPECT_EQ(texto(m->indiceSaldoAnterior()), QStringLiteral("1.134.201,22"));
    EXPECT_FALSE(m->indiceSaldoAnterior().flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(m->indiceSaldoAnterior().data(Qt::ToolTipRole).isValid());
    EXPECT_EQ(quadro->grade()->currentIndex(), m->indiceItem(0));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaItem(3))), QStringLiteral("0,00"));
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(3))), QStringLiteral("649.900,14"));
    digitarEConfirmar(quadro->grade(), m->indiceItem(3), QStringLiteral("1234,567"));
    EXPECT_EQ(texto(noTrimestre(m, m->linhaItem(3))), QStringLiteral("1.234,56"));
    EXPECT_EQ(texto(acumulado(m, m->linhaItem(3))), QStringLiteral("651.134,70"));
    EXPECT_EQ(texto(acumulado(m, m->linhaSaldoAtual())), QStringLiteral("1.785.335,92"));
    capturar(host.get(), QStringLiteral("quadro16-2007-2"));

    // The newest quarter goes as it came, with nothing of what was typed in it.
    ASSERT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    {
        DesvioMensagens sim([](const auto &) { return mrSim; });
        QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    }
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 2);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("1º Trimestre de 2007"));
    EXPECT_EQ(escalar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678' AND NR_ANO = 2007 "
                                     "AND NR_TRIMESTRE = 2")).toInt(), 0);
    // The first quarter's closing balance of 2006 stays.
    EXPECT_EQ(saldoDoAno(2006), QStringLiteral("1134201.22N"));
}

TEST_F(LucrosPrejuizosUi, NoticesForQuartersBefore2005AndForAnOperatorWithoutQuarters)
{
    sql(QStringLiteral("INSERT INTO SALDOACUMULADOTRIMESTRE SELECT CD_OPER, CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, 2004, 4, 0, 'N' "
                       "FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678' AND NR_ANO = 2006"));
    TfraLucrosPrejuizos *quadro = nullptr;
    {
        auto host = abrir16(quadro, QStringLiteral("4º Trimestre de 2004"));
        ASSERT_NE(quadro, nullptr);
        EXPECT_TRUE(quadro->lblAviso()->isVisible());
        EXPECT_EQ(quadro->lblAviso()->text(),
                  QStringLiteral("Quadro disponível somente para \ninformações a partir do 1º Trimestre de 2005."));
        EXPECT_FALSE(quadro->grade()->isVisible());
        EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
        EXPECT_FALSE(quadro->btnImprimir()->isVisible());
        EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
        EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
        EXPECT_EQ(quadro->dados(), nullptr);
        capturar(host.get(), QStringLiteral("quadro16-2004"));
        // Back on a quarter with figures, they show again.
        escolher(quadro, QStringLiteral("1º Trimestre de 2007"));
        EXPECT_FALSE(quadro->lblAviso()->isVisible());
        EXPECT_TRUE(quadro->grade()->isVisible());
        EXPECT_TRUE(quadro->btnConfirmar()->isVisible());
    }
    // The closing balances are there, so nothing is seeded: no quarter at all.
    sql(QStringLiteral("DELETE FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678'"));
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->lblAviso()->text(),
              QStringLiteral("Quadro disponível somente para informações a partir do 1º Trimestre 2005."));
    EXPECT_FALSE(quadro->cbxPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnIncluiPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    capturar(host.get(), QStringLiteral("quadro16-sem-trimestre"));
}

TEST_F(LucrosPrejuizosUi, AnOperatorWithoutAccumulatedBalancesGetsThemFromItsRegistration)
{
    sql(QStringLiteral("DELETE FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678'"));
    sql(QStringLiteral("DELETE FROM SALDOACUMULADOANO WHERE CD_OPER = '345678'"));
    const QDate registro = escalar(QStringLiteral("SELECT MAX(DT_INIC_VIGN) FROM CADASTRO WHERE CD_OPER = '345678'")).toDate();
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro);
    ASSERT_NE(quadro, nullptr);
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 1);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), Periodos::TextoTrimestre(registro));
    EXPECT_EQ(quadro->modelo()->rowCount(), 11);
    EXPECT_EQ(saldoDoAno(registro.year() - 1), QStringLiteral("0.0N"));
}

TEST_F(LucrosPrejuizosUi, Quadro16PrintsFromKelpaCli)
{
    QTemporaryDir saida;
    auto imprimir = [&](const char *periodo) {
        return imprimirPelaCli(QStringLiteral("16"), periodo, saida.filePath(QStringLiteral("q16.pdf")));
    };
    const SaidaCli s = imprimir("15/11/2006");
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    const QStringList paginas = paginasPdf(saida.filePath(QStringLiteral("q16.pdf")));
    ASSERT_EQ(paginas.size(), 1);
    for (const char *esperado : {"Quadro 16: Lucros ou Prejuízos", "4º Trimestre de 2006", "No Trimestre", "ACUMULADO",
                                 "Saldo em 31 de Dezembro do exercício anterior", "644.851,44", "(-) Lucros distribuídos",
                                 "-150.000,00", "Movimento no exercício:", "489.349,78", "SALDO DO EXERCÍCIO ATUAL",
                                 "1.134.201,22"})
        EXPECT_TRUE(paginas.first().contains(QString::fromUtf8(esperado))) << esperado;

    // A quarter whose amounts are all zero is named as a report without data.
    sql(QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET VL_ITEM_SALDO = 0"));
    sql(QStringLiteral("UPDATE SALDOACUMULADOANO SET VL_SALDO_FINAL_ANO = 0"));
    QFile::remove(saida.filePath(QStringLiteral("q16.pdf")));
    const SaidaCli zerado = imprimir("15/02/2007");
    EXPECT_EQ(zerado.codigo, 1);
    EXPECT_TRUE(zerado.err.contains(QStringLiteral("Quadro 16: Lucros ou Prejuízos"))) << zerado.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(saida.filePath(QStringLiteral("q16.pdf"))));
}

TEST_F(LucrosPrejuizosUi, ImprimirPreviewsTheQuarterShownAndTheStatementsSelectorOffersIt)
{
    TfraLucrosPrejuizos *quadro = nullptr;
    auto host = abrir16(quadro, QStringLiteral("4º Trimestre de 2006"));
    ASSERT_NE(quadro, nullptr);
    ASSERT_TRUE(quadro->btnImprimir()->isVisible());
    QStringList textos;
    quandoAbrirModal([&textos](QWidget *modal) {
        if (auto *previa = qobject_cast<relatorios::VisualizadorRelatorio *>(modal)) {
            for (qsizetype i = 0; i < previa->documento().totalPaginas(); ++i)
                textos << previa->documento().textosDaPagina(i);
            capturar(previa, QStringLiteral("quadro16-previa"));
        }
        modal->close();
    });
    DesvioMensagens semAvisos([](const auto &) { return mrOk; });
    QTest::mouseClick(quadro->btnImprimir(), Qt::LeftButton);
    EXPECT_TRUE(semAvisos.chamadas().isEmpty());
    for (const char *esperado : {"Quadro 16: Lucros ou Prejuízos", "Vigência :  4º Trimestre de 2006", "644.851,44", "1.134.201,22"})
        EXPECT_TRUE(textos.contains(QString::fromUtf8(esperado))) << esperado;

    TfraImpressaoTrimestre *seletor = nullptr;
    auto impressao = abrir(18, seletor);
    ASSERT_NE(seletor, nullptr);
    QCheckBox *opcao = seletor->opcao(QStringLiteral("16"));
    ASSERT_NE(opcao, nullptr);
    EXPECT_FALSE(opcao->isHidden());
    EXPECT_EQ(opcao->text(), QStringLiteral("Quadro 16: Lucros ou Prejuízos"));
}
