// Quadros 11, 12 and 13 in their host, driven with real keys: every total above a
// typed amount follows as the user types and once it is accepted, deductions turn
// negative and red, Enter goes on to the next account, "Confirmar" checks the
// statement and keeps the amounts across a restart, "Cancelar" and a new quarter
// put back what was not confirmed, and an exempt operator sees the notice.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"

#include "app/ServicosOperadora.h"
#include "plataforma/CaminhosPrograma.h"
#include "app/ui/MensagemDlg.h"
#include "app/ui/TfrmPrincipal.h"
#include "quadros/base/ui/DelegadoGrade.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/DemonstracaoContabil.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/demonstracoes/ui/ModeloDemonstracao.h"
#include "quadros/demonstracoes/ui/TframeGridBalanco.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QAbstractItemModelTester>
#include <QMap>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

struct ContaSintetica {
    const char *tipo, *referencia, *contabil, *descricao, *editar, *compoe, *ordem;
};

// Two levels under the total, a deduction in each group, and a liabilities and income
// side so that each statement has its own total.
const ContaSintetica planoSintetico[] = {
    {"A", "1100", "11", "Circulante", "N", "1900", "01"},
    {"A", "1110", "111", "Disponível", "N", "1100", "02"},
    {"A", "1111", "1111", "Caixa", "S", "1110", "03"},
    {"A", "1112", "1112", "Bancos Conta Depósitos", "S", "1110", "04"},
    {"A", "1120", "112", "Clientes", "S", "1100", "05"},
    {"A", "1130", "113", "(-) Provisão para Perdas", "S", "1100", "06"},
    {"A", "1200", "12", "Permanente", "N", "1900", "07"},
    {"A", "1210", "121", "Imóveis", "S", "1200", "08"},
    {"A", "1220", "122", "(-) Depreciação Acumulada", "S", "1200", "09"},
    {"A", "1900", "1", "Total do Ativo", "N", "0", "10"},
    {"P", "2100", "21", "Fornecedores", "S", "2900", "01"},
    {"P", "2900", "2", "Total do Passivo", "N", "0", "09"},
    {"R", "3100", "31", "Receitas", "S", "3900", "01"},
    {"R", "3200", "32", "(-) Despesas", "S", "3900", "02"},
    {"R", "3900", "3", "Resultado Líquido", "N", "0", "09"},
};

class GradeBalancoUi : public QuadroEconomicoTeste
{
protected:
    void SetUp() override
    {
        QuadroEconomicoTeste::SetUp();
        sql(QStringLiteral("DELETE FROM PLANOCONTASVALOR"));
        sql(QStringLiteral("DELETE FROM TB_PLANOCONTAS"));
        Consulta insere(db(), QStringLiteral("INSERT INTO TB_PLANOCONTAS (ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, TP_CONTA_CONTABIL, "
                                             "CD_CONTA_REFERENCIA, CD_CONTA_CONTABIL, DE_CONTA_CONTABIL, TP_EDITAR, "
                                             "CD_CONTA_COMPOE, CD_CONTA_ORDEM, DE_HINT_CONTA_CONTABIL) "
                                             "VALUES ('20', '2001-01-01', :T, :R, :C, :D, :E, :P, :O, 'Conta ' || :R)"));
        for (const ContaSintetica &c : planoSintetico)
            insere.bind(QStringLiteral(":T"), QString::fromUtf8(c.tipo))
                .bind(QStringLiteral(":R"), QString::fromUtf8(c.referencia))
                .bind(QStringLiteral(":C"), QString::fromUtf8(c.contabil))
                .bind(QStringLiteral(":D"), QString::fromUtf8(c.descricao))
                .bind(QStringLiteral(":E"), QString::fromUtf8(c.editar))
                .bind(QStringLiteral(":P"), QString::fromUtf8(c.compoe))
                .bind(QStringLiteral(":O"), QString::fromUtf8(c.ordem))
                .executar();
    }

    std::unique_ptr<TfrmExibeQuadro> abrir(const QString &tipo)
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 16, tipo);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TframeGridBalanco *>(host->quadro());
        return host;
    }
    QModelIndex valor(const char *referencia) const
    {
        const int linha = quadro->demonstracao()->indice(QString::fromLatin1(referencia));
        return quadro->modelo()->index(linha, ModeloDemonstracao::Valor);
    }
    QString guardado(const char *referencia, const QString &trimestre = QStringLiteral("2007-01-01")) const
    {
        return escalar(QStringLiteral("SELECT printf('%.2f', VL_CONTA_REFERENCIA) || ' ' || LG_ALTR_TRAM FROM PLANOCONTASVALOR "
                                      "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%1' AND CD_CONTA_REFERENCIA = '%2'")
                           .arg(trimestre, QLatin1String(referencia)))
            .toString();
    }

    TframeGridBalanco *quadro = nullptr;
};

} // namespace

TEST_F(GradeBalancoUi, TypedAmountsRollUpIntoEveryTotalAsTheUserTypes)
{
    auto host = abrir(QStringLiteral("A"));
    ASSERT_NE(quadro, nullptr);
    QAbstractItemModelTester testador(quadro->modelo(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 11: Balanço Patrimonial Ativo"));
    EXPECT_EQ(host->windowTitle(), QStringLiteral("Quadro 11: Balanço Patrimonial Ativo"));
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("1º Trimestre de 2007"));
    EXPECT_EQ(estado.dtVigencia(), QDate(2007, 1, 1));
    // The quarter's rows were created from the chart on opening, indented by level.
    ASSERT_EQ(quadro->modelo()->rowCount(), 10);
    EXPECT_EQ(texto(quadro->modelo()->index(2, 0)), QStringLiteral("               Caixa"));
    EXPECT_EQ(quadro->modelo()->index(2, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Conta 1111"));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    EXPECT_FALSE(quadro->modelo()->flags(valor("1100")) & Qt::ItemIsEditable);
    EXPECT_TRUE(quadro->modelo()->data(valor("1900"), Qt::FontRole).value<QFont>().bold());

    auto *grade = quadro->AdvStrGrdBalanco();
    // Typed in Brazilian form, cut to cents; every ancestor follows.
    digitarEConfirmar(grade, valor("1111"), QStringLiteral("1.234,567"));
    EXPECT_EQ(texto(valor("1111")), QStringLiteral("1.234,56"));
    EXPECT_EQ(texto(valor("1110")), QStringLiteral("1.234,56"));
    EXPECT_EQ(texto(valor("1100")), QStringLiteral("1.234,56"));
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("1.234,56"));
    EXPECT_EQ(guardado("1111"), QStringLiteral("1234.56 N"));
    EXPECT_EQ(guardado("1900"), QStringLiteral("1234.56 N"));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    // Enter went on to the next account the user fills, already open for typing.
    EXPECT_EQ(grade->currentIndex(), valor("1112"));
    EXPECT_NE(grade->indexWidget(valor("1112")), nullptr);

    // 1,13 stays 1,13 (no binary rounding on the way).
    digitarEConfirmar(grade, valor("1112"), QStringLiteral("1,13"));
    EXPECT_EQ(guardado("1112"), QStringLiteral("1.13 N"));
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("1.235,69"));

    // A deduction typed positive is stored negative, shown in red, and lowers its parent.
    digitarEConfirmar(grade, valor("1130"), QStringLiteral("500"));
    EXPECT_EQ(texto(valor("1130")), QStringLiteral("-500,00"));
    EXPECT_EQ(quadro->modelo()->data(valor("1130"), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(texto(valor("1100")), QStringLiteral("735,69"));
    EXPECT_EQ(guardado("1130"), QStringLiteral("-500.00 N"));

    // While an amount is being typed the totals above it show what they will become...
    QLineEdit *editor = digitar(grade, valor("1120"), QStringLiteral("100"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(texto(valor("1100")), QStringLiteral("835,69"));
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("835,69"));
    EXPECT_TRUE(quadro->modelo()->data(valor("1900"), Qt::FontRole).value<QFont>().italic());
    capturar(host.get(), QStringLiteral("quadro11-digitando"));
    // ...and go back when the user gives up the amount; nothing was stored.
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("735,69"));
    EXPECT_FALSE(quadro->modelo()->data(valor("1900"), Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(guardado("1120"), QStringLiteral("0.00 N"));

    // A minus sign is taken in the statements; text that is not an amount never gets in.
    editor = digitar(grade, valor("1210"), QStringLiteral("1.000,00x"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("1.000,00"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(texto(valor("1200")), QStringLiteral("1.000,00"));
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("1.735,69"));
    // The cell editor starts from the amount without grouping.
    EXPECT_EQ(quadro->modelo()->data(valor("1210"), Qt::EditRole).toString(), QStringLiteral("1000,00"));
    capturar(host.get(), QStringLiteral("quadro11-sintetico"));
}

TEST_F(GradeBalancoUi, CancelPutsBackEveryAmountAndTotalAsOpened)
{
    sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA, "
                       "VL_CONTA_REFERENCIA, LG_ALTR_TRAM) VALUES ('345678', '2007-01-01', '20', '2001-01-01', '1210', 300, 'T'), "
                       "('345678', '2007-01-01', '20', '2001-01-01', '1200', 300, 'T'), "
                       "('345678', '2007-01-01', '20', '2001-01-01', '1900', 300, 'T')"));
    {
        auto host = abrir(QStringLiteral("A"));
        auto *grade = quadro->AdvStrGrdBalanco();
        digitarEConfirmar(grade, valor("1111"), QStringLiteral("50"));
        digitarEConfirmar(grade, valor("1210"), QStringLiteral("700"));
        // A row already sent is marked as changed, and so is every total it moves.
        EXPECT_EQ(guardado("1210"), QStringLiteral("700.00 A"));
        EXPECT_EQ(guardado("1900"), QStringLiteral("750.00 A"));
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_FALSE(host->isVisible());
        EXPECT_EQ(host->result(), QDialog::Rejected);
    }
    EXPECT_EQ(guardado("1111"), QStringLiteral("0.00 N"));
    EXPECT_EQ(guardado("1110"), QStringLiteral("0.00 N"));
    EXPECT_EQ(guardado("1210"), QStringLiteral("300.00 T"));
    EXPECT_EQ(guardado("1900"), QStringLiteral("300.00 T"));
}

TEST_F(GradeBalancoUi, ConfirmChecksTheTotalAndTheAmountsSurviveARestart)
{
    QList<DesvioMensagens::Chamada> mensagens;
    DesvioMensagens desvio([&mensagens](const DesvioMensagens::Chamada &c) {
        mensagens << c;
        return mrOk;
    });
    {
        auto host = abrir(QStringLiteral("P"));
        EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 12: Balanço Patrimonial Passivo"));
        // Nothing typed: "Confirmar" waits for a change.
        EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
        digitarEConfirmar(quadro->AdvStrGrdBalanco(), valor("2100"), QStringLiteral("0"));
        EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
        digitarEConfirmar(quadro->AdvStrGrdBalanco(), valor("2100"), QStringLiteral("-10"));
        ASSERT_TRUE(quadro->btnConfirmar()->isEnabled());
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        ASSERT_EQ(mensagens.size(), 1);
        EXPECT_EQ(mensagens.last().texto, QStringLiteral("Total do Passivo NÃO pode ser menor ou igual a ZERO."));
        EXPECT_EQ(mensagens.last().tipo, TipoMensagem::Erro);
        EXPECT_TRUE(host->isVisible());

        digitarEConfirmar(quadro->AdvStrGrdBalanco(), valor("2100"), QStringLiteral("4.321,09"));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(mensagens.last().texto, QStringLiteral("Dados Gravados com sucesso..."));
        EXPECT_EQ(host->result(), QDialog::Accepted);
    }
    reiniciar();
    auto host = abrir(QStringLiteral("P"));
    EXPECT_EQ(texto(valor("2100")), QStringLiteral("4.321,09"));
    EXPECT_EQ(texto(valor("2900")), QStringLiteral("4.321,09"));
}

TEST_F(GradeBalancoUi, AnOlderQuarterIsReadOnlyUntilTheUserChoosesToEditIt)
{
    int resposta = mrNao;
    DesvioMensagens desvio([&resposta](const auto &) { return resposta; });
    auto host = abrir(QStringLiteral("R"));
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"));
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());

    quadro->cbxPeriodo()->setCurrentIndex(1);
    emit quadro->cbxPeriodo()->activated(1);
    EXPECT_EQ(estado.dtVigencia(), QDate(2006, 10, 1));
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->modelo()->flags(valor("3100")) & Qt::ItemIsEditable);
    // Typing on a read-only cell opens nothing.
    EXPECT_EQ(digitar(quadro->AdvStrGrdBalanco(), valor("3100"), QStringLiteral("9")), nullptr);

    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton); // answered no
    EXPECT_FALSE(quadro->modelo()->flags(valor("3100")) & Qt::ItemIsEditable);
    resposta = mrSim;
    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    EXPECT_TRUE(quadro->modelo()->flags(valor("3100")) & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
    digitarEConfirmar(quadro->AdvStrGrdBalanco(), valor("3200"), QStringLiteral("250"));
    EXPECT_EQ(texto(valor("3900")), QStringLiteral("-250,00"));
    EXPECT_EQ(guardado("3200", QStringLiteral("2006-10-01")), QStringLiteral("-250.00 N"));
}

TEST_F(GradeBalancoUi, ANewQuarterGetsEveryValueRowAndTheQuarterLeftIsPutBack)
{
    DesvioMensagens desvio([](const auto &) { return mrSim; });
    auto host = abrir(QStringLiteral("A"));
    const int trimestres = quadro->cbxPeriodo()->count();
    digitarEConfirmar(quadro->AdvStrGrdBalanco(), valor("1111"), QStringLiteral("80"));
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(desvio.chamadas().size(), 1);
    EXPECT_EQ(desvio.chamadas().first().texto, QStringLiteral("Incluir 2º Trimestre de 2007 ?"));
    ASSERT_EQ(quadro->cbxPeriodo()->count(), trimestres + 1);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("2º Trimestre de 2007"));
    EXPECT_EQ(estado.dtVigencia(), QDate(2007, 4, 1));
    // Chart rows of the three statements, cash-flow and ages-of-balance rows, all zero.
    EXPECT_EQ(escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-04-01'")).toInt(), 15);
    EXPECT_GT(escalar(QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-04-01'")).toInt(), 30);
    EXPECT_GT(escalar(QStringLiteral("SELECT COUNT(*) FROM TB_IdadeSaldoValor WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-04-01'")).toInt(), 60);
    EXPECT_EQ(texto(valor("1900")), QStringLiteral("0,00"));
    // The amount typed but not confirmed in the quarter left went back.
    EXPECT_EQ(guardado("1111"), QStringLiteral("0.00 N"));
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());

    // And the newest can go again.
    QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(quadro->cbxPeriodo()->count(), trimestres);
    EXPECT_EQ(escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-04-01'")).toInt(), 0);
}

TEST_F(GradeBalancoUi, AnExemptOperatorSeesTheNoticeInsteadOfTheStatement)
{
    // A sponsored self-insured plan: exempt.
    sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = 'S', CD_NATZ_JURD = 'ASSOC', CD_MODL = 'AUTOG', CD_SUBM = 'PATRS' "
                       "WHERE CD_OPER = '345678'"));
    TfrmPrincipal principal(estado, dados);
    contexto.exibeAviso = [this, &principal](QWidget *sobre, const QString &t) {
        avisos << t;
        principal.ExibeAviso(sobre, t);
    };
    auto host = abrir(QStringLiteral("A"));
    ASSERT_FALSE(avisos.isEmpty());
    EXPECT_EQ(avisos.last(), ServicosOperadora::MensagemDispensa(QStringLiteral("AUTOG")));
    EXPECT_EQ(quadro->avisoExibido(), avisos.last());
    EXPECT_FALSE(quadro->AdvStrGrdBalanco()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->cbxPeriodo()->isVisible());
    EXPECT_EQ(quadro->demonstracao(), nullptr);
    capturar(host.get(), QStringLiteral("quadro11-dispensada"));

    // Without a complete registration the quadro says so first.
    sql(QStringLiteral("UPDATE DADOSPESSOAS SET CD_CEP = NULL WHERE CD_OPER = '345678' AND ID_PSOA = 0"));
    auto outro = abrir(QStringLiteral("A"));
    EXPECT_EQ(avisos.last(), QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro."));
}

TEST_F(GradeBalancoUi, AnOperatorWithoutQuartersGetsTheQuarterOfItsEarliestRegistration)
{
    sql(QStringLiteral("DELETE FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '345678'"));
    auto host = abrir(QStringLiteral("A"));
    const QDate primeiro = Periodos::PrimeiroTrimestre(db(), oper);
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 1);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), Periodos::TextoTrimestre(primeiro));
    EXPECT_EQ(quadro->modelo()->rowCount(), 10);
}

namespace {

class DemonstracoesDemoUi : public QuadroEconomicoTeste
{
};

} // namespace

TEST_F(DemonstracoesDemoUi, TheDemoStatementsBalanceOnScreen)
{
    QMap<QString, QString> totais;
    for (const QString &tipo : {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("R")}) {
        for (int trimestre = 0; trimestre < 2; ++trimestre) {
            TfrmExibeQuadro host(contexto, 16, tipo);
            host.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
            auto *quadro = qobject_cast<TframeGridBalanco *>(host.quadro());
            ASSERT_NE(quadro, nullptr);
            if (trimestre == 1) {
                quadro->cbxPeriodo()->setCurrentIndex(1);
                emit quadro->cbxPeriodo()->activated(1);
                ASSERT_EQ(estado.dtVigencia(), QDate(2006, 10, 1));
            }
            const DemonstracaoContabil *d = quadro->demonstracao();
            ASSERT_NE(d, nullptr);
            const int linhaTotal = d->linhaTotal();
            ASSERT_GE(linhaTotal, 0) << tipo.toStdString();
            const QModelIndex total = quadro->modelo()->index(linhaTotal, ModeloDemonstracao::Valor);
            totais.insert(tipo + QString::number(trimestre), texto(total));
            // Every computed account shows the sum of its children.
            for (int i = 0; i < d->contas().size(); ++i) {
                const ContaDemonstracao &c = d->contas().at(i);
                if (c.editavel())
                    continue;
                Moeda soma;
                bool temFilhos = false;
                for (const ContaDemonstracao &f : d->contas())
                    if (f.compoe == c.referencia) {
                        soma += f.valor;
                        temFilhos = true;
                    }
                if (temFilhos) {
                    EXPECT_EQ(c.valor, soma) << c.referencia.toStdString();
                }
            }
            const QString nome = QStringLiteral("quadro%1-demo-%2").arg(tipo == u'A' ? 11 : tipo == u'P' ? 12 : 13).arg(trimestre == 0 ? 2007 : 2006);
            capturar(&host, nome);
            quadro->AdvStrGrdBalanco()->scrollTo(total);
            capturar(&host, nome + QStringLiteral("-total"));
        }
    }
    // Assets equal liabilities in both quarters; the result is not zero.
    EXPECT_EQ(totais.value(QStringLiteral("A0")), totais.value(QStringLiteral("P0")));
    EXPECT_EQ(totais.value(QStringLiteral("A1")), totais.value(QStringLiteral("P1")));
    EXPECT_NE(totais.value(QStringLiteral("R0")), QStringLiteral("0,00"));
}

namespace {

struct QuadroImpresso {
    int numero;
    const char *tipoConta;
    const char *titulo; // what the first page of the preview names
};

const QuadroImpresso quadrosImpressos[] = {
    {16, "A", "Quadro 11"}, {16, "P", "Quadro 12"}, {16, "R", "Quadro 13"},
    {78, "", "Quadro 15"},  {79, "", "Quadro 15A"}, {9, "", "Quadro 8"},
};

} // namespace

TEST_F(DemonstracoesDemoUi, EveryQuadroPrintsTheQuarterSelected)
{
    for (const QuadroImpresso &q : quadrosImpressos) {
        SCOPED_TRACE(q.titulo);
        TfrmExibeQuadro host(contexto, q.numero, QString::fromLatin1(q.tipoConta));
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QPushButton *imprimir = host.quadro()->btnImprimir();
        ASSERT_TRUE(imprimir->isVisible());
        ASSERT_TRUE(imprimir->isEnabled());
        QString primeiraPagina;
        qsizetype paginas = 0;
        quandoAbrirModal([&](QWidget *modal) {
            if (auto *previa = qobject_cast<relatorios::VisualizadorRelatorio *>(modal)) {
                paginas = previa->documento().totalPaginas();
                if (paginas > 0)
                    primeiraPagina = previa->documento().textosDaPagina(0).join(u'\n');
            }
            modal->close();
        });
        QTest::mouseClick(imprimir, Qt::LeftButton);
        EXPECT_GT(paginas, 0);
        EXPECT_TRUE(primeiraPagina.contains(QString::fromLatin1(q.titulo))) << primeiraPagina.toStdString();
        EXPECT_TRUE(primeiraPagina.contains(QStringLiteral("2007"))) << primeiraPagina.toStdString();
    }
}

TEST_F(DemonstracoesDemoUi, AQuadroShownAsANoticePrintsNothing)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = 'S', CD_NATZ_JURD = 'ASSOC', CD_MODL = 'AUTOG', CD_SUBM = 'PATRS' "
                       "WHERE CD_OPER = '345678'"));
    for (const QuadroImpresso &q : quadrosImpressos) {
        SCOPED_TRACE(q.titulo);
        TfrmExibeQuadro host(contexto, q.numero, QString::fromLatin1(q.tipoConta));
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        EXPECT_FALSE(host.quadro()->btnImprimir()->isVisible());
    }
}

TEST_F(DemonstracoesDemoUi, TheMainWindowsActionsOpenTheseQuadros)
{
    CaminhosPrograma::definirHome(home.path());
    Configuracao::gravar(ini(), QStringLiteral("Operadora"), oper);
    TfrmPrincipal principal(estado, dados);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    ASSERT_TRUE(principal.iniciar());
    ContextoQuadro doPrograma{estado, dados, [&principal](QWidget *sobre, const QString &t) { principal.ExibeAviso(sobre, t); }};
    principal.setAbreQuadro([&doPrograma](int numero, const QString &tipoConta, QWidget *pai) {
        TfrmExibeQuadro host(doPrograma, numero, tipoConta, pai);
        return host.exec();
    });
    const QList<QPair<QString, QString>> acoes{
        {QStringLiteral("actBalancoAtivo"), QStringLiteral("Quadro 11: Balanço Patrimonial Ativo")},
        {QStringLiteral("actBalancoPassivo"), QStringLiteral("Quadro 12: Balanço Patrimonial Passivo")},
        {QStringLiteral("actResultadoPeriodo"), QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício")},
        {QStringLiteral("actFluxoCaixa"), QStringLiteral("Quadro 15: Fluxo de Caixa")},
        {QStringLiteral("actDistribIdadeSaldo"), QStringLiteral("Quadro 15A: Distribuição por Idade de Saldos")},
        {QStringLiteral("actReceitasPlanos"), QStringLiteral("Quadro 8: Contraprestações Líquidas do Trimestre")},
        {QStringLiteral("actProvisoesTecnicas"), QStringLiteral("Quadro 14: Provisões Técnicas")},
        {QStringLiteral("actLucrosPrejuizos"), QStringLiteral("Quadro 16: Lucros ou Prejuízos")},
        {QStringLiteral("ActInfoGerais"), QStringLiteral("Informações Gerais")},
    };
    for (const auto &[acao, titulo] : acoes) {
        QString aberto;
        quandoAbrirModal([&aberto](QWidget *modal) {
            if (auto *host = qobject_cast<TfrmExibeQuadro *>(modal))
                aberto = host->quadro() ? host->quadro()->titulo() : QString();
            QTest::keyClick(modal, Qt::Key_Escape); // Cancel
        });
        principal.acao(acao)->trigger();
        EXPECT_EQ(aberto, titulo) << acao.toStdString();
    }
    CaminhosPrograma::definirHome({});
}
