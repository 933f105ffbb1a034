// A quadro's own print action: "Imprimir" previews the report of the quadro named by
// the frame's title, for the period selected, or tells that there is nothing to print.

#include "relatorios_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/Consulta.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

// A registration quadro with nothing of its own but its title and its periods.
class QuadroComTitulo : public TfraModeloQuadroPeriodo
{
public:
    QuadroComTitulo(ContextoQuadro &contexto, const QString &titulo)
        : TfraModeloQuadroPeriodo(contexto)
    {
        setTitulo(titulo);
        setTipoPeriodo(TipoPeriodo::Intervalo);
    }

protected:
    QList<QDate> PreparaQueryComboPeriodo() override
    {
        Consulta q(contexto().db(), QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM DADOSBASICOS "
                                                   "WHERE CD_OPER = :CDOPER ORDER BY DT_INIC_VIGN DESC"));
        q.bind(QStringLiteral(":CDOPER"), contexto().codOper());
        q.executar();
        QList<QDate> datas;
        while (q.proxima())
            datas << q.data(QStringLiteral("DT_INIC_VIGN"));
        return datas;
    }
    void FinalizaFrame() override {}
    void EditaPeriodoFrame() override {}
    void CopiaPeriodoFrame() override {}
    void IncluiPeriodoFrame() override {}
    void AlteraPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override {}
    void CancelaOperacaoFrame() override {}
    void HabilitaPeriodoFrame(bool) override {}
};

class ImpressaoDoQuadro : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ESTRANGEIRO, "
                                 "LG_ALTR_TRAM) VALUES ('345678', 1, 'F', '31854027662', 'MARIANA COSTA FERREIRA', 'F', 'N')"));
        // The newest period has nobody answering for the accounts yet; the older one has.
        banco.sql(QStringLiteral("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, QT_FUNC, LG_ALTR_TRAM) VALUES "
                                 "('345678', '2006-01-01', 0, 'N'), ('345678', '2007-01-01', 0, 'N')"));
        banco.sql(QStringLiteral("INSERT INTO RESPONSAVEIS (CD_OPER, DT_INIC_VIGN, ID_RPSV, ID_PSOA, NR_REGS_RPSV, "
                                 "LG_ALTR_TRAM) VALUES ('345678', '2006-01-01', 1, 1, 'CRC-SP-1', 'N')"));
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
        estado.setCodOper(operadora);
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
    ContextoQuadro contexto{estado, dados, {}};
};

} // namespace

TEST_F(ImpressaoDoQuadro, PrintPreviewsTheReportOfThePeriodSelected)
{
    QuadroComTitulo quadro(contexto, QStringLiteral("Quadro 2: Dados Básicos"));
    quadro.Inicia();
    quadro.resize(700, 400);
    quadro.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&quadro));
    QPushButton *imprimir = quadro.btnImprimir();
    ASSERT_NE(imprimir, nullptr);
    EXPECT_TRUE(imprimir->isVisible());
    EXPECT_TRUE(imprimir->isEnabled());
    EXPECT_EQ(quadro.chaveImpressao(), QStringLiteral("2"));
    capturar(&quadro, QStringLiteral("quadro_com_imprimir"));

    // The newest period has nothing to print: the warning names the quadro, no preview opens.
    {
        DesvioMensagens mensagens([](const auto &) { return mrOk; });
        QTest::mouseClick(imprimir, Qt::LeftButton);
        ASSERT_EQ(mensagens.chamadas().size(), 1);
        EXPECT_EQ(mensagens.chamadas().first().texto,
                  QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:\r\r"
                                 "Quadro 2:    Dados Básicos\r"));
    }

    // The older period prints its own responsible.
    quadro.cbxPeriodo()->setCurrentIndex(1);
    emit quadro.cbxPeriodo()->activated(1);
    QStringList textos;
    quandoAbrirModal([&textos](QWidget *modal) {
        auto *previa = qobject_cast<VisualizadorRelatorio *>(modal);
        if (previa) {
            for (qsizetype i = 0; i < previa->documento().totalPaginas(); ++i)
                textos << previa->documento().textosDaPagina(i);
            capturar(previa, QStringLiteral("previa_quadro2"));
        }
        modal->close();
    });
    DesvioMensagens semAvisos([](const auto &) { return mrOk; });
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_TRUE(semAvisos.chamadas().isEmpty());
    EXPECT_TRUE(textos.contains(QStringLiteral("Quadro 2: Dados Básicos")));
    EXPECT_TRUE(textos.contains(QStringLiteral("Vigência:  A partir de 01/01/2006")));
    EXPECT_TRUE(textos.contains(QStringLiteral("MARIANA COSTA FERREIRA")));
    EXPECT_TRUE(textos.contains(QStringLiteral("Operadora : 34567-8 - ") + nomeOperadora));
}

TEST_F(ImpressaoDoQuadro, AQuadroWithoutAReportHasNoPrintButton)
{
    QuadroComTitulo semRelatorio(contexto, QStringLiteral("Quadro 14A: Ativos Vinculados"));
    semRelatorio.Inicia();
    EXPECT_TRUE(semRelatorio.btnImprimir()->isHidden());
    EXPECT_EQ(semRelatorio.chaveImpressao(), QString());

    // A quadro may name the report it prints; a title set later is followed too.
    semRelatorio.setChaveImpressao(QStringLiteral("15A"));
    EXPECT_FALSE(semRelatorio.btnImprimir()->isHidden());
    EXPECT_EQ(semRelatorio.chaveImpressao(), QStringLiteral("15A"));

    QuadroComTitulo demonstracao(contexto, QStringLiteral("Quadro de Teste"));
    EXPECT_TRUE(demonstracao.btnImprimir()->isHidden());
    demonstracao.setTitulo(QStringLiteral("Quadro 12: Balanço Patrimonial Passivo"));
    EXPECT_FALSE(demonstracao.btnImprimir()->isHidden());
    EXPECT_EQ(demonstracao.chaveImpressao(), QStringLiteral("12"));
}
