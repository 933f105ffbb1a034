// Quadro 8 in its host, driven with real keys and clicks: its four layouts, amounts
// written as they are accepted with the row totals, the "Tot" row and "Total Geral:"
// following the typing, the one-state answer with its state choice, and "Cancelar"
// putting back everything the choice changed.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"

#include "app/ServicosOperadora.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/ui/CabecalhoAgrupado.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/receitas_despesas/ui/ModeloContraprestacoes.h"
#include "quadros/receitas_despesas/ui/TframeContraprestacoesLiquidas.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

class ContraprestacoesUi : public QuadroEconomicoTeste
{
protected:
    void SetUp() override
    {
        QuadroEconomicoTeste::SetUp();
        TframeContraprestacoesLiquidas::setLimpezaAtiva(false);
    }
    std::unique_ptr<TfrmExibeQuadro> abrir()
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 9);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TframeContraprestacoesLiquidas *>(host->quadro());
        return host;
    }
    // All eight amounts of a state's row in the latest demo quarter, as stored.
    QString linha(const char *uf, const QString &trimestre = QStringLiteral("2007-01-01")) const
    {
        QStringList colunas;
        for (const QString &c : LinhaReceitaUF::nomesColunas())
            colunas << QStringLiteral("CASE WHEN %1 IS NULL THEN '-' ELSE printf('%.2f', %1) END").arg(c);
        return escalar(QStringLiteral("SELECT %1 FROM RECEITASDESPESASUF WHERE CD_OPER = '%2' AND DT_INIC_VIGN = '%3' AND CD_UF = '%4'")
                           .arg(colunas.join(QStringLiteral(" || ' ' || ")), estado.codOper(), trimestre, QLatin1String(uf)))
            .toString();
    }
    QString ufDoCabecalho(const QString &trimestre = QStringLiteral("2007-01-01")) const
    {
        return escalar(QStringLiteral("SELECT COALESCE(CD_UF_OPER, '') FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '%2'")
                           .arg(estado.codOper(), trimestre))
            .toString();
    }

    TframeContraprestacoesLiquidas *quadro = nullptr;
};

} // namespace

TEST_F(ContraprestacoesUi, EveryStateWithItsTotalsAsTheDemoLeftThem)
{
    auto host = abrir();
    ASSERT_NE(quadro, nullptr);
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testadores;
    for (QAbstractItemModel *m : {static_cast<QAbstractItemModel *>(quadro->modelo(0)), quadro->gradeTotais(0)->model(),
                                  static_cast<QAbstractItemModel *>(quadro->modeloUF(1)), static_cast<QAbstractItemModel *>(quadro->modelo(2))})
        testadores.push_back(std::make_unique<QAbstractItemModelTester>(m, QAbstractItemModelTester::FailureReportingMode::Fatal));
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 8: Contraprestações Líquidas do Trimestre"));
    EXPECT_EQ(quadro->paginas()->currentIndex(), 0);
    EXPECT_TRUE(quadro->rbNao()->isChecked());
    EXPECT_FALSE(quadro->cmbUF()->isVisible());
    ModeloContraprestacoes *m = quadro->modelo(0);
    EXPECT_EQ(m->rowCount(), 27); // every state has its row
    const QModelIndex sp = m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPre);
    EXPECT_EQ(texto(sp), QStringLiteral("5.350.000,00"));
    EXPECT_EQ(texto(sp.siblingAtColumn(3)), QStringLiteral("6.530.000,00"));
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("AC"), LinhaReceitaUF::RectPre)), QString()); // nothing typed: empty
    // SP + RJ + MG, medical and dental.
    EXPECT_EQ(quadro->lblTotalGeral(0)->text(), QStringLiteral("9.580.000,00"));
    EXPECT_EQ(texto(quadro->gradeTotais(0)->model()->index(0, 0)), QStringLiteral("Tot"));
    auto *cabecalho = qobject_cast<CabecalhoAgrupado *>(quadro->grade(0)->horizontalHeader());
    ASSERT_NE(cabecalho, nullptr);
    EXPECT_EQ(cabecalho->grupos().size(), 2);
    // From 2007 the column titles explain themselves and the groups do not.
    EXPECT_TRUE(m->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("RN nº 136/06")));
    EXPECT_TRUE(cabecalho->grupos().first().dica.isEmpty());
    capturar(host.get(), QStringLiteral("quadro8-estados-demo"));

    // The quarter of 2006 names the subaccounts of the older chart in its group hints.
    quadro->cbxPeriodo()->setCurrentIndex(1);
    emit quadro->cbxPeriodo()->activated(1);
    EXPECT_TRUE(cabecalho->grupos().first().dica.contains(QStringLiteral("311111")));
    EXPECT_FALSE(m->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

TEST_F(ContraprestacoesUi, TypedAmountsAreWrittenAndEveryTotalFollows)
{
    DesvioMensagens desvio([](const auto &) { return mrSim; });
    auto host = abrir();
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(estado.dtVigencia(), QDate(2007, 4, 1));
    const QString t = QStringLiteral("2007-04-01");
    // The new quarter: every state, all empty.
    ModeloContraprestacoes *m = quadro->modelo(0);
    EXPECT_EQ(m->rowCount(), 27);
    EXPECT_EQ(linha("SP", t), QStringLiteral("- - - - - - - -"));
    EXPECT_EQ(quadro->lblTotalGeral(0)->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());

    GradeValores *grade = quadro->grade(0);
    QLineEdit *editor = digitar(grade, m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPre), QStringLiteral("1000"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled()); // a row entered editing
    // Before the amount is accepted, the row total, the "Tot" row and "Total Geral:" show it.
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPre).siblingAtColumn(3)), QStringLiteral("1.000,00"));
    EXPECT_EQ(texto(quadro->gradeTotais(0)->model()->index(0, 1)), QStringLiteral("1.000,00"));
    EXPECT_EQ(quadro->lblTotalGeral(0)->text(), QStringLiteral("1.000,00"));
    EXPECT_EQ(linha("SP", t), QStringLiteral("- - - - - - - -"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPre)), QStringLiteral("1.000,00"));
    EXPECT_EQ(linha("SP", t), QStringLiteral("1000.00 - - - - - - -"));
    // Enter goes along the row.
    EXPECT_EQ(grade->currentIndex(), m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectOutr));

    // No minus sign in this quadro; "12.5" is twelve and a half.
    digitarEConfirmar(grade, m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPreOdon), QStringLiteral("-12.5"));
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPreOdon)), QStringLiteral("12,50"));
    digitarEConfirmar(grade, m->indiceDe(QStringLiteral("RJ"), LinhaReceitaUF::RectOutr), QStringLiteral("2.345,67"));
    EXPECT_EQ(texto(quadro->gradeTotais(0)->model()->index(0, 3)), QStringLiteral("3.345,67"));
    EXPECT_EQ(quadro->lblTotalGeral(0)->text(), QStringLiteral("3.358,17"));
    capturar(host.get(), QStringLiteral("quadro8-digitado"));

    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(host->result(), QDialog::Accepted);
    EXPECT_EQ(linha("RJ", t), QStringLiteral("- 2345.67 - - - - - -"));
    EXPECT_TRUE(TframeContraprestacoesLiquidas::limpezaAtiva());
}

TEST_F(ContraprestacoesUi, ChoosingOneStateAndCancellingPutsEverythingBack)
{
    // Quadro 9's expenses share the rows: the choice touches them too.
    sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_DESP_MEDC_PRE = 777, LG_ALTR_TRAM = 'T' "
                       "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-01-01' AND CD_UF = 'RJ'"));
    const QString rjAntes = linha("RJ");
    const QString mgAntes = linha("MG");
    const QString estadoRJ = escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM RECEITASDESPESASUF WHERE CD_OPER = '345678' "
                                                    "AND DT_INIC_VIGN = '2007-01-01' AND CD_UF = 'RJ'")).toString();
    {
        auto host = abrir();
        QTest::mouseClick(quadro->rbSim(), Qt::LeftButton);
        EXPECT_EQ(quadro->paginas()->currentIndex(), 1);
        EXPECT_TRUE(quadro->cmbUF()->isVisible());
        EXPECT_EQ(quadro->cmbUF()->currentText(), QString());
        // No state chosen yet: confirming lists what is missing and keeps the quadro open.
        QStringList faltando;
        quandoAbrirModal([&faltando](QWidget *modal) {
            if (auto *lista = modal->findChild<QListWidget *>())
                for (int i = 0; i < lista->count(); ++i)
                    faltando << lista->item(i)->text();
            modal->close();
        });
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(faltando, QStringList{QStringLiteral(">> UF")});
        EXPECT_TRUE(host->isVisible());

        quadro->cmbUF()->setCurrentIndex(quadro->cmbUF()->findText(QStringLiteral("SP")));
        emit quadro->cmbUF()->activated(quadro->cmbUF()->currentIndex());
        // Every other state's eight amounts went to zero at once, and the header names SP.
        EXPECT_EQ(linha("RJ"), QStringLiteral("0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00"));
        EXPECT_EQ(linha("MG"), QStringLiteral("0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00"));
        EXPECT_EQ(ufDoCabecalho(), QStringLiteral("SP"));
        ModeloContraprestacoesUF *uf = quadro->modeloUF(1);
        EXPECT_EQ(texto(uf->indiceDe(LinhaReceitaUF::RectPre)), QStringLiteral("5.350.000,00"));
        EXPECT_EQ(texto(uf->index(uf->rowCount() - 1, 1)), QStringLiteral("6.992.000,00"));
        capturar(host.get(), QStringLiteral("quadro8-uma-uf"));

        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_EQ(host->result(), QDialog::Rejected);
    }
    EXPECT_EQ(linha("RJ"), rjAntes);
    EXPECT_EQ(linha("MG"), mgAntes);
    EXPECT_EQ(escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM RECEITASDESPESASUF WHERE CD_OPER = '345678' "
                                     "AND DT_INIC_VIGN = '2007-01-01' AND CD_UF = 'RJ'")).toString(), estadoRJ);
    EXPECT_EQ(ufDoCabecalho(), QString());

    // Reopened: "Não" as before.
    auto host = abrir();
    EXPECT_TRUE(quadro->rbNao()->isChecked());
    EXPECT_EQ(quadro->paginas()->currentIndex(), 0);
}

TEST_F(ContraprestacoesUi, ConfirmingOneStateEmptiesTheOthers)
{
    DesvioMensagens desvio([](const auto &) { return mrOk; });
    {
        auto host = abrir();
        QTest::mouseClick(quadro->rbSim(), Qt::LeftButton);
        quadro->cmbUF()->setCurrentIndex(quadro->cmbUF()->findText(QStringLiteral("SP")));
        emit quadro->cmbUF()->activated(quadro->cmbUF()->currentIndex());
        digitarEConfirmar(quadro->grade(1), quadro->modeloUF(1)->indiceDe(LinhaReceitaUF::RectOutr), QStringLiteral("12.000"));
        EXPECT_EQ(texto(quadro->modeloUF(1)->index(quadro->modeloUF(1)->rowCount() - 1, 1)), QStringLiteral("5.824.000,00"));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(host->result(), QDialog::Accepted);
    }
    EXPECT_EQ(linha("RJ"), QStringLiteral("- - - - - - - -"));
    EXPECT_EQ(linha("SP"), QStringLiteral("5350000.00 12000.00 430000.00 32000.00 - - - -"));
    reiniciar();
    auto host = abrir();
    EXPECT_TRUE(quadro->rbSim()->isChecked());
    EXPECT_EQ(quadro->cmbUF()->currentText(), QStringLiteral("SP"));
    EXPECT_EQ(quadro->paginas()->currentIndex(), 1);
}

TEST_F(ContraprestacoesUi, ADentalOperatorSeesOnlyDentalColumns)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ODGRP', CD_SUBM = 'SOP' WHERE CD_OPER = '345678'"));
    auto host = abrir();
    EXPECT_EQ(quadro->segmento(), QChar(u'O'));
    EXPECT_EQ(quadro->paginas()->currentIndex(), 2);
    ModeloContraprestacoes *m = quadro->modelo(2);
    ASSERT_EQ(m->columnCount(), 4);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Pré-pgto"));
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("SP"), LinhaReceitaUF::RectPreOdon)), QStringLiteral("430.000,00"));
    capturar(host.get(), QStringLiteral("quadro8-odonto"));
    QTest::mouseClick(quadro->rbSim(), Qt::LeftButton);
    EXPECT_EQ(quadro->paginas()->currentIndex(), 3);
    quadro->cmbUF()->setCurrentIndex(quadro->cmbUF()->findText(QStringLiteral("SP")));
    emit quadro->cmbUF()->activated(quadro->cmbUF()->currentIndex());
    EXPECT_EQ(quadro->modeloUF(3)->rowCount(), 4);
    capturar(host.get(), QStringLiteral("quadro8-odonto-uma-uf"));
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
}

TEST_F(ContraprestacoesUi, AnInsurerReadsPremiums)
{
    clonarOperadora(QStringLiteral("012345"));
    auto host = abrir();
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 8: Prêmios Retidos Líquidos do Trimestre"));
    EXPECT_EQ(quadro->modeloUF(1)->index(1, 0).data().toString(), QStringLiteral("Prêmios na Modalidade de Pré-pagamento :"));
}

TEST_F(ContraprestacoesUi, AnOperatorOutsideTheListsSeesTheNotice)
{
    // An administrator of plans does not report net consideration.
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ADMIN', CD_SUBM = 'ADMPL' WHERE CD_OPER = '345678'"));
    auto host = abrir();
    ASSERT_FALSE(avisos.isEmpty());
    EXPECT_EQ(avisos.last(), ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")));
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->rbSim()->isVisible());
}
