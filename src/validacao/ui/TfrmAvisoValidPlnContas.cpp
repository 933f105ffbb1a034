#include "TfrmAvisoValidPlnContas.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "validacao/AvisoPlanoContas.h"

#include <QLabel>
#include <QTimer>

namespace kelpa::validacao {

TfrmAvisoValidPlnContas::TfrmAvisoValidPlnContas(const QSqlDatabase &db, QWidget *parent)
    : TfrmAvisoUsuario(AvisoPlanoContas::texto(), parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmAvisoValidPlnContas"));
    setWindowTitle(QString());
    // The label shows the lines as lines; the text keeps its LF CR pairs.
    QString tela = AvisoPlanoContas::texto();
    lblTexto()->setText(tela.replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    // Wide enough for its longest lines on any screen of 800 pixels; longer ones wrap.
    lblTexto()->setWordWrap(true);
    lblTexto()->setMinimumWidth(680);
    adjustSize();
}

void TfrmAvisoValidPlnContas::showEvent(QShowEvent *evento)
{
    TfrmAvisoUsuario::showEvent(evento);
    if (m_registrado)
        return;
    m_registrado = true;
    try {
        AvisoPlanoContas::registrarBloqueio(m_db, m_codOper);
    } catch (const ErroBanco &e) {
        // The notice is already on screen; the failure is told over it.
        m_erro = e.textoCompleto();
        QTimer::singleShot(0, this, [this] { MensagemDlg(m_erro, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this); });
    }
}

} // namespace kelpa::validacao
