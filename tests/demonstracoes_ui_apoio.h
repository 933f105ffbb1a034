#pragma once

// Shared by the widget tests of the economic-financial quadros: a copy of the
// database that `kelpa-cli init --demo` leaves (the demo operator 345678 with its
// registration and two balanced quarters), the working state around it, and typing
// into a grid the way a user does.

#include "demonstracoes_apoio.h"

#include "apoio/ExecutaCli.h"

#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/Consulta.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"
#include "quadros/base/ui/ContextoQuadro.h"
#include "quadros/demonstracoes/ui/RegistroQuadrosDemonstracoes.h"
#include "quadros/receitas_despesas/ui/RegistroQuadrosReceitasDespesas.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kelpa::teste {

// The demo database, made once per run by the real command and copied for each test.
inline QString bancoDemonstracao()
{
    static QTemporaryDir *dir = [] {
        auto *d = new QTemporaryDir;
        const SaidaCli saida = executarCli({QStringLiteral("--home"), d->path(), QStringLiteral("init"), QStringLiteral("--demo")});
        EXPECT_EQ(saida.codigo, 0) << saida.err.toStdString();
        return d;
    }();
    return dir->filePath(QStringLiteral("Kelpa.db"));
}

class QuadroEconomicoTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registrarQuadrosDemonstracoes();
        registrarQuadrosReceitasDespesas();
        ASSERT_TRUE(QFile::copy(bancoDemonstracao(), home.filePath(QStringLiteral("Kelpa.db"))));
        QFile::setPermissions(home.filePath(QStringLiteral("Kelpa.db")), QFile::ReadOwner | QFile::WriteOwner);
        Configuracao::garantirArquivo(ini(), home.path() + QLatin1Char('/'));
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
        estado.setCodOper(oper);
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }
    QSqlDatabase db() const { return dados.db(); }

    void sql(const QString &comando) const
    {
        QSqlQuery q(db());
        ASSERT_TRUE(q.exec(comando)) << comando.toStdString();
    }
    QVariant escalar(const QString &consulta) const
    {
        QSqlQuery q(db());
        EXPECT_TRUE(q.exec(consulta) && q.next()) << consulta.toStdString();
        return q.value(0);
    }
    // kelpa-cli printing a quadro of the demo operator for the quarter of `periodo` ("dd/mm/aaaa") into `pdf`.
    SaidaCli imprimirPelaCli(const QString &quadro, const char *periodo, const QString &pdf) const
    {
        return executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("print"), QStringLiteral("--dir"), home.path(),
                            QStringLiteral("--operator"), oper, QStringLiteral("--quadro"), quadro, QStringLiteral("--period"),
                            QLatin1String(periodo), QStringLiteral("--pdf"), pdf});
    }
    // The program started again on the same database.
    void reiniciar()
    {
        dados.desconectar();
        dados.Conecta();
        estado.setCodOper(oper);
    }
    // The same operator again under another code (an insurer's, below 30000), with
    // its registration and its quarters.
    void clonarOperadora(const QString &codigo)
    {
        for (const char *tabela : {"CADASTRO", "PESSOAS", "DADOSPESSOAS", "TELEFONESPESSOAS", "QUADRORECEITASDESPESASUF",
                                   "RECEITASDESPESASUF", "PLANOCONTASVALOR", "TB_FluxoCaixaValor", "TB_IdadeSaldoValor"}) {
            const QString t = QString::fromLatin1(tabela);
            sql(QStringLiteral("DROP TABLE IF EXISTS temp.COPIA"));
            sql(QStringLiteral("CREATE TEMP TABLE COPIA AS SELECT * FROM %1 WHERE CD_OPER = '%2'").arg(t, oper));
            sql(QStringLiteral("UPDATE temp.COPIA SET CD_OPER = '%1'").arg(codigo));
            sql(QStringLiteral("INSERT INTO %1 SELECT * FROM temp.COPIA").arg(t));
        }
        sql(QStringLiteral("DROP TABLE IF EXISTS temp.COPIA"));
        estado.setCodOper(codigo);
    }

    const QString oper = QStringLiteral("345678");
    QTemporaryDir home;
    EstadoTrabalho estado;
    DtConexao dados{estado};
    QStringList avisos; // the big notices the quadros asked the main window for
    ContextoQuadro contexto{estado, dados, [this](QWidget *, const QString &texto) { avisos << texto; }};
};

// The quarterly quadros in their host, as the main window opens them.
class QuadroTrimestralTeste : public QuadroEconomicoTeste
{
protected:
    template <class Quadro>
    std::unique_ptr<TfrmExibeQuadro> abrir(int numero, Quadro *&quadro)
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, numero);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<Quadro *>(host->quadro());
        return host;
    }
    // Opened on the quarter shown as `texto` in the period box.
    template <class Quadro>
    std::unique_ptr<TfrmExibeQuadro> abrirEm(int numero, Quadro *&quadro, const QString &texto)
    {
        auto host = abrir(numero, quadro);
        if (quadro)
            escolher(quadro, texto);
        return host;
    }
    void escolher(TfraModeloQuadroPeriodo *quadro, const QString &texto)
    {
        const int i = quadro->cbxPeriodo()->findText(texto);
        ASSERT_GE(i, 0) << texto.toStdString();
        quadro->cbxPeriodo()->setCurrentIndex(i);
        emit quadro->cbxPeriodo()->activated(i);
    }
    // The edit button of an older quarter, answering "Sim".
    static void editar(TfraModeloQuadroPeriodo *quadro)
    {
        DesvioMensagens sim([](const auto &) { return mrSim; });
        QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    }
};

// Types into a grid cell as a user does: the first key on the grid opens the cell's
// editor, the rest goes to the editor. Returns the editor, still open.
inline QLineEdit *digitar(QAbstractItemView *grade, const QModelIndex &indice, const QString &texto)
{
    grade->setCurrentIndex(indice);
    // After Enter the next cell is already open, with its text selected: keys go there.
    auto *editor = qobject_cast<QLineEdit *>(grade->indexWidget(indice));
    if (editor) {
        QTest::keyClicks(editor, texto);
        return editor;
    }
    QTest::keyClicks(grade, texto.left(1));
    editor = qobject_cast<QLineEdit *>(grade->indexWidget(indice));
    if (editor)
        QTest::keyClicks(editor, texto.mid(1));
    return editor;
}

// Types and presses Enter, which accepts the amount and moves on.
inline void digitarEConfirmar(QAbstractItemView *grade, const QModelIndex &indice, const QString &texto)
{
    QLineEdit *editor = digitar(grade, indice, texto);
    ASSERT_NE(editor, nullptr) << "a célula não abriu para digitação";
    QTest::keyClick(editor, Qt::Key_Return);
}

inline QString texto(const QModelIndex &indice)
{
    return indice.data(Qt::DisplayRole).toString();
}

} // namespace kelpa::teste
