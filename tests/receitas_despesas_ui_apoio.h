#pragma once

// Shared by the widget tests of the revenue and expense quadros: the main window of
// the demo operator, whose actions open the quadros in their host.

#include "demonstracoes_ui_apoio.h"

#include "apoio/Modal.h"

#include "app/Configuracao.h"
#include "app/ui/TfrmPrincipal.h"
#include "plataforma/CaminhosPrograma.h"
#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"

namespace kelpa::teste {

class JanelaPrincipalTeste
{
public:
    JanelaPrincipalTeste(ContextoQuadro &contexto, const QString &home, const QString &ini, const QString &oper)
        : m_principal(contexto.estado, contexto.dados)
    {
        CaminhosPrograma::definirHome(home);
        Configuracao::gravar(ini, QStringLiteral("Operadora"), oper);
        m_principal.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_principal));
        EXPECT_TRUE(m_principal.iniciar());
        m_principal.setAbreQuadro([&contexto](int numero, const QString &tipoConta, QWidget *pai) {
            TfrmExibeQuadro host(contexto, numero, tipoConta, pai);
            return host.exec();
        });
    }
    ~JanelaPrincipalTeste() { CaminhosPrograma::definirHome({}); }

    // Triggers the action; `noHost` gets the quadro's host it opens (or the other modal
    // window, null as host) and must close it.
    void abrePor(const QString &acao, const std::function<void(TfrmExibeQuadro *host, QWidget *modal)> &noHost)
    {
        quandoAbrirModal([noHost](QWidget *modal) { noHost(qobject_cast<TfrmExibeQuadro *>(modal), modal); });
        m_principal.acao(acao)->trigger();
    }

    // The title of the quadro that the action opens (closed at once with Esc).
    QString tituloAbertoPor(const QString &acao)
    {
        QString aberto;
        abrePor(acao, [&aberto](TfrmExibeQuadro *host, QWidget *modal) {
            if (host)
                aberto = host->quadro() ? host->quadro()->titulo() : QString();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        return aberto;
    }

private:
    TfrmPrincipal m_principal;
};

} // namespace kelpa::teste
