#pragma once

// Shared set-up of the registration window tests: the operator in a fresh database
// and a working connection, a quadro context that records the notices shown over
// a quadro, and helpers that answer windows and type as a user would.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/ContextoQuadro.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/ui/RegistroQuadrosCadastro.h"

#include <QApplication>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace kelpa::teste {

inline const QString kOper = QStringLiteral("345678");

// Runs `acao` on the next modal window of type T (a window of another type still open
// is left alone), so that windows opened one after another can each be answered.
template<typename T>
void quandoAbrir(std::function<void(T *)> acao)
{
    auto tentativa = std::make_shared<std::function<void()>>();
    auto restantes = std::make_shared<int>(500);
    *tentativa = [acao, tentativa, restantes] {
        auto *janela = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!janela) {
            if (--*restantes > 0)
                QTimer::singleShot(10, *tentativa);
            else
                ADD_FAILURE() << "window never opened: " << T::staticMetaObject.className();
            return;
        }
        janela->activateWindow();
        if (!QTest::qWaitForWindowActive(janela))
            qWarning("window did not become active");
        acao(janela);
    };
    QTimer::singleShot(0, *tentativa);
}

inline void aceitaAvisoUsuario()
{
    quandoAbrir<TfrmAvisoUsuario>([](TfrmAvisoUsuario *aviso) { aviso->accept(); });
}

inline QStringList textos(const DesvioMensagens &mensagens)
{
    QStringList r;
    for (const auto &c : mensagens.chamadas())
        r << c.texto;
    return r;
}

inline void digita(QLineEdit *campo, const QString &texto)
{
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    campo->setCursorPosition(0);
    QTest::keyClicks(campo, texto);
}

class CadastroUiTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kelpa::teste::registraOperadora(banco, kOper);
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        Configuracao::gravar(ini(), QStringLiteral("Operadora"), kOper);
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
        estado.setCodOper(kOper);
        registrarQuadrosCadastro();
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }
    QString valor(const QString &sql) const { return banco.escalar(sql).toString(); }
    // No connection is left inside a transaction: another station can write at once.
    void confereSemTransacaoAberta()
    {
        QSqlQuery propria(dados.db());
        ASSERT_TRUE(propria.exec(QStringLiteral("BEGIN"))) << propria.lastError().text().toStdString();
        ASSERT_TRUE(propria.exec(QStringLiteral("ROLLBACK")));
        QSqlQuery outra(banco.db());
        ASSERT_TRUE(outra.exec(QStringLiteral("BEGIN IMMEDIATE"))) << outra.lastError().text().toStdString();
        ASSERT_TRUE(outra.exec(QStringLiteral("ROLLBACK")));
    }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
    QStringList avisos;
    ContextoQuadro contexto{estado, dados, [this](QWidget *, const QString &texto) {
                                if (!texto.isEmpty())
                                    avisos << texto;
                            }};
};

// The same, with the demo operator's registration filled, so that every quadro opens.
class CadastroUiDemonstracaoTeste : public CadastroUiTeste
{
protected:
    void SetUp() override
    {
        CadastroUiTeste::SetUp();
        CadastroDemonstracao::criar(dados.db(), kOper);
    }
    // Shows the host as the main window does and returns its quadro.
    template<typename Q>
    Q *abre(TfrmExibeQuadro &host)
    {
        auto *quadro = qobject_cast<Q *>(host.quadro());
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        return quadro;
    }
};

} // namespace kelpa::teste
