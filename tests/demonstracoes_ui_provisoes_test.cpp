// Quadro 14 and "Informações Gerais" in their host, driven with real keys on the demo
// operator: the layout of each quarter, the computed lines following the typing, the
// notices for quarters the quadro holds nothing for, Confirmar writing in one go, and
// the printed Quadro 14 from the frame's data and from kelpa-cli.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/TextoPdf.h"

#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/ProvisoesTecnicas.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/demonstracoes/ui/ModeloProvisoesTecnicas.h"
#include "quadros/demonstracoes/ui/TFrameProvisoesTecnicas.h"
#include "quadros/demonstracoes/ui/TfrmInfoGerais.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QPushButton>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

using P = ProvisoesTecnicas;

class QuadrosConclusaoUi : public QuadroTrimestralTeste
{
protected:
    // A quarter before the demo's two, for the older layouts.
    void trimestreAntigo(const char *data)
    {
        sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES ('345678', '%1', 'N')")
                .arg(QLatin1String(data)));
    }
    QString gerencial(const char *data, const char *colunas) const
    {
        return escalar(QStringLiteral("SELECT %1 FROM DADOSGERENCIAIS WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%2'")
                           .arg(QLatin1String(colunas), QLatin1String(data)))
            .toString();
    }
    QString provisao(const char *data, const char *colunas) const
    {
        return escalar(QStringLiteral("SELECT %1 FROM PROVISOESTECNICAS WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%2'")
                           .arg(QLatin1String(colunas), QLatin1String(data)))
            .toString();
    }
};

QStringList rotulos(const ModeloProvisoesTecnicas *m)
{
    QStringList r;
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->index(i, 0).data().toString().section(QStringLiteral(" ."), 0, 0);
    return r;
}

} // namespace

TEST_F(QuadrosConclusaoUi, Quadro14From2007ShowsTheLiabilitiesNoticeAnd2006ItsFigures)
{
    TFrameProvisoesTecnicas *quadro = nullptr;
    auto host = abrir(19, quadro);
    ASSERT_NE(quadro, nullptr);
    QAbstractItemModelTester testador(quadro->modelo(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 14: Provisões Técnicas"));
    // The newest quarter is of 2007: its provisions belong to Quadro 12.
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("1º Trimestre de 2007"));
    EXPECT_TRUE(quadro->lblAviso()->isVisible());
    EXPECT_TRUE(quadro->lblAviso()->text().contains(QStringLiteral("deverão ser informadas no Quadro 12 PASSIVO.")));
    EXPECT_FALSE(quadro->grade()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->btnIncluiPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnImprimir()->isVisible());
    EXPECT_EQ(quadro->provisoes(), nullptr);
    capturar(host.get(), QStringLiteral("quadro14-2007"));

    escolher(quadro, QStringLiteral("4º Trimestre de 2006"));
    EXPECT_FALSE(quadro->lblAviso()->isVisible());
    EXPECT_TRUE(quadro->grade()->isVisible());
    EXPECT_TRUE(quadro->btnImprimir()->isVisible());
    EXPECT_EQ(rotulos(quadro->modelo()),
              (QStringList{QStringLiteral("de Risco"), QStringLiteral("para Operação"),
                           QStringLiteral("para Eventos Ocorridos e Não Avisados"), QStringLiteral("Outras"),
                           QStringLiteral("      Remissão"), QStringLiteral("            Curto Prazo"),
                           QStringLiteral("            Longo Prazo"), QStringLiteral("      Outras"), QStringLiteral("Total Geral:")}));
    EXPECT_EQ(texto(quadro->modelo()->indiceDoCampo(-1)), QStringLiteral("2.304.500,00"));
    EXPECT_EQ(texto(quadro->modelo()->indiceDoCampo(P::Outras)), QStringLiteral("66.500,00"));
    EXPECT_TRUE(quadro->modelo()->indiceDoCampo(P::Risco).data(Qt::ToolTipRole).toString().contains(QStringLiteral("21111")));
    // An older quarter is read-only until the user asks to edit it.
    EXPECT_FALSE(quadro->modelo()->indiceDoCampo(P::Risco).flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    capturar(host.get(), QStringLiteral("quadro14-2006-demo"));
    editar(quadro);
    EXPECT_TRUE(quadro->modelo()->indiceDoCampo(P::Risco).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->modelo()->indiceDoCampo(P::Outras).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->modelo()->indiceDoCampo(P::Remissao).flags() & Qt::ItemIsEditable);
    EXPECT_EQ(quadro->grade()->currentIndex(), quadro->modelo()->indiceDoCampo(P::Risco));
}

TEST_F(QuadrosConclusaoUi, Quadro14From2005TotalsFollowTheTypingAndConfirmWritesTheRow)
{
    trimestreAntigo("2005-10-01");
    TFrameProvisoesTecnicas *quadro = nullptr;
    auto host = abrirEm(19, quadro, QStringLiteral("4º Trimestre de 2005"));
    ASSERT_NE(quadro, nullptr);
    // Shown for the first time: the quarter gets its row.
    EXPECT_EQ(provisao("2005-10-01", "COUNT(*) || LG_ALTR_TRAM"), QStringLiteral("1N"));
    editar(quadro);
    ModeloProvisoesTecnicas *m = quadro->modelo();
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::Risco), QStringLiteral("1.000"));
    // Enter goes on to the next field the user types.
    EXPECT_EQ(quadro->grade()->currentIndex(), m->indiceDoCampo(P::Operacao));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::Operacao), QStringLiteral("200"));
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::EventosIbnr), QStringLiteral("300"));
    // From IBNR, Enter skips the computed lines.
    EXPECT_EQ(quadro->grade()->currentIndex(), m->indiceDoCampo(P::RemCurto));
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::RemCurto), QStringLiteral("100"));
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::RemLongo), QStringLiteral("50"));
    QLineEdit *editor = digitar(quadro->grade(), m->indiceDoCampo(P::RemOutras), QStringLiteral("10"));
    ASSERT_NE(editor, nullptr);
    // As the user types, the computed lines already show what they will be.
    EXPECT_EQ(texto(m->indiceDoCampo(P::Outras)), QStringLiteral("160,00"));
    capturar(host.get(), QStringLiteral("quadro14-2005-digitando"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(m->indiceDoCampo(P::Remissao)), QStringLiteral("150,00"));
    EXPECT_EQ(texto(m->indiceDoCampo(P::Outras)), QStringLiteral("160,00"));
    EXPECT_EQ(texto(m->indiceDoCampo(-1)), QStringLiteral("1.660,00"));
    // Nothing is stored before "Confirmar".
    EXPECT_EQ(provisao("2005-10-01", "COALESCE(VL_PROV_RISCO, 0)"), QStringLiteral("0"));

    QSignalSpy concluido(quadro, &TfraModeloQuadroPeriodo::concluido);
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    ASSERT_EQ(concluido.size(), 1);
    EXPECT_EQ(concluido.first().first().toInt(), QDialog::Accepted);
    EXPECT_EQ(provisao("2005-10-01", "VL_PROV_RISCO || ' ' || VL_PROV_OPER || ' ' || VL_PROV_EVEN_IBNR || ' ' || VL_PROV_OUTR "
                                     "|| ' ' || VL_PROV_REMISSAO || ' ' || VL_PROV_REM_CURTO || ' ' || VL_PROV_REM_LONGO || ' ' "
                                     "|| VL_PROV_REM_OUTRAS || ' ' || LG_ALTR_TRAM"),
              QStringLiteral("1000.0 200.0 300.0 160.0 150.0 100.0 50.0 10.0 N"));
}

TEST_F(QuadrosConclusaoUi, Quadro14CancelWritesNothingAnd2004TypesOtherProvisions)
{
    trimestreAntigo("2004-10-01");
    TFrameProvisoesTecnicas *quadro = nullptr;
    auto host = abrirEm(19, quadro, QStringLiteral("4º Trimestre de 2004"));
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(rotulos(quadro->modelo()),
              (QStringList{QStringLiteral("de Risco"), QStringLiteral("para Operação"),
                           QStringLiteral("para Eventos Ocorridos e Não Avisados"), QStringLiteral("Outras"),
                           QStringLiteral("Total Geral:")}));
    editar(quadro);
    ModeloProvisoesTecnicas *m = quadro->modelo();
    EXPECT_TRUE(m->indiceDoCampo(P::Outras).flags() & Qt::ItemIsEditable);
    digitarEConfirmar(quadro->grade(), m->indiceDoCampo(P::Outras), QStringLiteral("1234,567"));
    EXPECT_EQ(texto(m->indiceDoCampo(P::Outras)), QStringLiteral("1.234,56"));
    EXPECT_EQ(texto(m->indiceDoCampo(-1)), QStringLiteral("1.234,56"));
    capturar(host.get(), QStringLiteral("quadro14-2004"));
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_EQ(provisao("2004-10-01", "COALESCE(VL_PROV_OUTR, 0)"), QStringLiteral("0"));
}

TEST_F(QuadrosConclusaoUi, Quadro14NoticesBefore2003AndForAdministrators)
{
    trimestreAntigo("2002-10-01");
    TFrameProvisoesTecnicas *quadro = nullptr;
    {
        auto host = abrirEm(19, quadro, QStringLiteral("4º Trimestre de 2002"));
        ASSERT_NE(quadro, nullptr);
        EXPECT_TRUE(quadro->lblAviso()->isVisible());
        EXPECT_EQ(quadro->lblAviso()->text(), QStringLiteral("Quadro disponível somente para\ninformações a partir do 1º Trimestre de 2003."));
        EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
        EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
        capturar(host.get(), QStringLiteral("quadro14-2002"));
        // No row for a quarter the quadro does not hold.
        EXPECT_EQ(provisao("2002-10-01", "COUNT(*)"), QStringLiteral("0"));
    }
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ADMIN' WHERE CD_OPER = '345678'"));
    avisos.clear();
    auto host = abrirEm(19, quadro, QStringLiteral("4º Trimestre de 2006"));
    ASSERT_NE(quadro, nullptr);
    ASSERT_FALSE(avisos.isEmpty());
    EXPECT_EQ(avisos.last(), QStringLiteral("As Administradoras de Planos estão\rdispensadas de preencher este quadro."));
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->grade()->isVisible());
}

TEST_F(QuadrosConclusaoUi, InformacoesGeraisShowsEmployeesFrom2005AndConfirmWritesThem)
{
    TfrmInfoGerais *quadro = nullptr;
    auto host = abrir(26, quadro);
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Informações Gerais"));
    EXPECT_FALSE(quadro->btnImprimir()->isVisible());
    EXPECT_TRUE(quadro->edtFuncionarios()->isVisible());
    EXPECT_TRUE(quadro->lblFuncionarios()->isVisible());
    EXPECT_FALSE(quadro->edtBeneficiarios()->isVisible());
    EXPECT_EQ(quadro->edtFuncionarios()->text(), QStringLiteral("191"));
    EXPECT_EQ(quadro->memSugestao()->toPlainText(), QString());
    // The newest quarter is editable at once, starting on the employees.
    EXPECT_TRUE(quadro->edtFuncionarios()->hasFocus());
    EXPECT_FALSE(quadro->edtFuncionarios()->isReadOnly());
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    capturar(host.get(), QStringLiteral("infogerais-2007-demo"));

    quadro->edtFuncionarios()->selectAll();
    QTest::keyClicks(quadro->edtFuncionarios(), QStringLiteral("123456789"));
    // Up to 9.999.999: seven digits.
    EXPECT_EQ(quadro->edtFuncionarios()->text(), QStringLiteral("1234567"));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    QTest::keyClick(quadro->edtFuncionarios(), Qt::Key_Return);
    EXPECT_TRUE(quadro->memSugestao()->hasFocus());
    QTest::keyClicks(quadro->memSugestao(), QStringLiteral("Rede ampliada em 2007."));
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(gerencial("2007-01-01", "QT_FUNC || ' ' || TX_SUGESTAO || ' ' || LG_ALTR_TRAM"),
              QStringLiteral("1234567 Rede ampliada em 2007. N"));
}

TEST_F(QuadrosConclusaoUi, InformacoesGeraisBefore2005ShowsBeneficiariesExceptForAdministrators)
{
    trimestreAntigo("2004-10-01");
    TfrmInfoGerais *quadro = nullptr;
    {
        auto host = abrirEm(26, quadro, QStringLiteral("4º Trimestre de 2004"));
        ASSERT_NE(quadro, nullptr);
        // A quarter without its row gets one when it is first shown.
        EXPECT_EQ(gerencial("2004-10-01", "TX_SUGESTAO || LG_ALTR_TRAM"), QStringLiteral("NN"));
        EXPECT_TRUE(quadro->edtBeneficiarios()->isVisible());
        EXPECT_TRUE(quadro->lblBeneficiarios()->isVisible());
        EXPECT_FALSE(quadro->edtFuncionarios()->isVisible());
        // An older quarter is read-only until the user asks to edit it.
        EXPECT_TRUE(quadro->edtBeneficiarios()->isReadOnly());
        editar(quadro);
        EXPECT_FALSE(quadro->edtBeneficiarios()->isReadOnly());
        QTest::keyClicks(quadro->edtBeneficiarios(), QStringLiteral("12.345"));
        capturar(host.get(), QStringLiteral("infogerais-2004"));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(gerencial("2004-10-01", "VL_TOTL_BENE || TX_SUGESTAO"), QStringLiteral("12345N"));
    }
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ADMIN' WHERE CD_OPER = '345678'"));
    auto host = abrirEm(26, quadro, QStringLiteral("4º Trimestre de 2004"));
    ASSERT_NE(quadro, nullptr);
    EXPECT_FALSE(quadro->edtBeneficiarios()->isVisible());
    EXPECT_FALSE(quadro->edtFuncionarios()->isVisible());
    EXPECT_TRUE(quadro->memSugestao()->isVisible());
}

TEST_F(QuadrosConclusaoUi, Quadro14PrintsFromKelpaCliOnlyBefore2007)
{
    QTemporaryDir saida;
    auto imprimir = [&](const char *periodo) {
        return imprimirPelaCli(QStringLiteral("14"), periodo, saida.filePath(QStringLiteral("q14.pdf")));
    };
    const SaidaCli s = imprimir("15/11/2006");
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    const QStringList paginas = paginasPdf(saida.filePath(QStringLiteral("q14.pdf")));
    ASSERT_EQ(paginas.size(), 1);
    for (const char *esperado : {"Quadro 14: Provisões Técnicas", "4º Trimestre de 2006", "Remissão", "Curto Prazo", "15.000,00",
                                 "2.304.500,00", "Total Geral:"})
        EXPECT_TRUE(paginas.first().contains(QString::fromUtf8(esperado))) << esperado;

    // From 2007 the option prints nothing and tells nothing.
    QFile::remove(saida.filePath(QStringLiteral("q14.pdf")));
    const SaidaCli de2007 = imprimir("15/02/2007");
    EXPECT_EQ(de2007.codigo, 1);
    EXPECT_FALSE(de2007.err.contains(QStringLiteral("não apresentam dados")));
    EXPECT_FALSE(QFileInfo::exists(saida.filePath(QStringLiteral("q14.pdf"))));

    // A 2006 quarter whose amounts are all zero is named as a report without data.
    sql(QStringLiteral("UPDATE PROVISOESTECNICAS SET VL_PROV_RISCO = 0, VL_PROV_OPER = 0, VL_PROV_EVEN_IBNR = 0, "
                       "VL_PROV_OUTR = 0, VL_PROV_REMISSAO = 0, VL_PROV_REM_CURTO = 0, VL_PROV_REM_LONGO = 0, VL_PROV_REM_OUTRAS = 0"));
    const SaidaCli zerado = imprimir("15/11/2006");
    EXPECT_EQ(zerado.codigo, 1);
    EXPECT_TRUE(zerado.err.contains(QStringLiteral("Quadro 14: Provisões Técnicas"))) << zerado.err.toStdString();
}
