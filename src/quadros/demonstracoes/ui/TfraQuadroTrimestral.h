#pragma once

#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"

#include <QDate>
#include <QList>

class QLabel;

namespace kelpa {

struct RegraModalidade;

// What the quarterly economic-financial quadros have in common: the notices that
// replace a quadro the operator cannot use, the quarter list with its first quarter,
// a new quarter with every value row it needs, the deletion of the newest quarter,
// and the edit mode of an older quarter.
class TfraQuadroTrimestral : public TfraModeloQuadroPeriodo
{
    Q_OBJECT

public:
    explicit TfraQuadroTrimestral(ContextoQuadro &contexto, QWidget *parent = nullptr);

    static QString MensagemCadastroIncompleto();

    // The notice shown instead of the quadro's figures; empty while they are shown.
    QString avisoExibido() const { return m_aviso; }
    // An older quarter the user chose to edit (the newest is always editable).
    bool modoEdicao() const { return m_modoEdicao; }
    bool editavel() const { return maisRecenteSelecionado() || m_modoEdicao; }
    QWidget *painelDados() const { return m_dados; }

protected:
    // A quarter is never copied from another; only the newest can be deleted.
    void CopiaPeriodoFrame() override {}
    void ExcluiPeriodoFrame() override { excluiTrimestre(); }

    // The widget that holds the figures; the notices take its place.
    void setPainelDados(QWidget *dados);

    // The registration test (when asked) and the modality test of the quadro. When
    // one fails, its notice replaces the figures and the period box and "Confirmar"
    // (and "Cancelar", when asked) are hidden; otherwise all are shown again.
    bool verificaDisponibilidade(const RegraModalidade &regra, bool testaCadastro, bool ocultaCancelar);
    // Shows `texto` in the main window's big notice over the quadro (empty removes it).
    void exibeAviso(const QString &texto);
    void mostraControlesPeriodo(bool mostra);
    // "Imprimir" goes with the figures: a quadro shown as a notice prints nothing.
    void mostraImpressao(bool mostra);

    // The operator's quarters, newest first; with `criaPeriodoInicial`, an operator
    // without any gets the quarter of its registration.
    QList<QDate> listaTrimestres(bool criaPeriodoInicial);
    // The quarter the base offered (NovaData()) with every value row; tells the user
    // when it could not be created.
    bool incluiTrimestre(bool comSaldoAcumulado);
    // Deletes the selected (newest) quarter; tells the user when it could not.
    bool excluiTrimestre();

    // The notice a quadro shows in its own area for quarters it holds nothing for:
    // big red letters over a white shadow, hidden until shown.
    static QLabel *criarAvisoVermelho(const QString &texto, QWidget *parent);
    static void setTextoAviso(QLabel *aviso, const QString &texto);
    // A quarter the quadro holds nothing for: `aviso` (made by criarAvisoVermelho) takes
    // the place of the figures in the quadro itself, and nothing can be confirmed,
    // printed, edited or deleted. The period box stays, so that the user can go back
    // to a quarter that holds figures.
    void mostraAvisoNoQuadro(QLabel *aviso, const QString &texto);

    void setModoEdicao(bool ativo) { m_modoEdicao = ativo; }
    void mensagemErro(const QString &texto);
    void mensagemInformacao(const QString &texto);

    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QString m_aviso;
    QWidget *m_dados = nullptr;
    bool m_modoEdicao = false;
};

} // namespace kelpa
