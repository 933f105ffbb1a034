#pragma once

#include "ContextoQuadro.h"

#include "quadros/base/Periodos.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace kelpa {

// The title bar every quadro has.
class TfraModeloQuadroGeral : public QWidget
{
    Q_OBJECT

public:
    explicit TfraModeloQuadroGeral(QWidget *parent = nullptr);
    void setTitulo(const QString &titulo);
    QString titulo() const;

protected:
    virtual void tituloDefinido() {}

    QLabel *m_pnlTituloQuadro = nullptr;
};

// Base of every quadro: the period box with its include, delete and edit buttons,
// Confirm and Cancel, and the operations each quadro implements, called in a fixed order.
class TfraModeloQuadroPeriodo : public TfraModeloQuadroGeral
{
    Q_OBJECT

public:
    TfraModeloQuadroPeriodo(ContextoQuadro &contexto, QWidget *parent = nullptr);

    // Lists the periods and shows the newest.
    void Inicia();
    // For quadros that save from their own controls: check and save, then finish.
    bool Salva();

    TipoPeriodo tipoPeriodo() const { return m_tipoPeriodo; }
    const QList<QDate> &Datas() const { return m_datas; }
    QDate periodoSelecionado() const;
    int indiceSelecionado() const;
    bool maisRecenteSelecionado() const { return indiceSelecionado() == 0; }
    void setOcultaCancelar(bool oculta) { m_ocultaCancelar = oculta; }
    // For a quadro not kept by periods: no period box and no period buttons.
    void ocultaPeriodos();

    QComboBox *cbxPeriodo() const { return m_cbxPeriodo; }
    QGroupBox *gbxPeriodo() const { return m_gbxPeriodo; }
    QToolButton *btnIncluiPeriodo() const { return m_btnIncluiPeriodo; }
    QToolButton *btnExcluiPeriodo() const { return m_btnExcluiPeriodo; }
    QToolButton *btnEditaPeriodo() const { return m_btnEditaPeriodo; }
    QPushButton *btnConfirmar() const { return m_btnConfirmar; }
    QPushButton *btnDesfaz() const { return m_btnDesfaz; }
    QPushButton *btnImprimir() const { return m_btnImprimir; }

    // The report printed by "Imprimir": the quadro named by the title ("Quadro 15A: ..."
    // prints quadro 15A) unless a quadro names another. The button shows only for a
    // quadro that has a report, and works on the period selected.
    void setChaveImpressao(const QString &chave);
    QString chaveImpressao() const;

public slots:
    void btnIncluiPeriodoClick();
    void btnExcluiPeriodoClick();
    void btnEditaPeriodoClick();
    void btnConfirmarClick();
    void btnDesfazClick();
    void btnImprimirClick();

signals:
    // The host closes with this result (QDialog::Accepted after a confirmed save).
    void concluido(int resultado);

protected:
    // --- what each quadro implements -------------------------------------------
    virtual void FinalizaFrame() = 0;
    // Loads and shows the selected period, sets DtVigencia, enables the buttons.
    virtual void InicializaFrame();
    virtual void EditaPeriodoFrame() = 0;
    virtual void CopiaPeriodoFrame() = 0;
    virtual void IncluiPeriodoFrame() = 0;
    virtual void AlteraPeriodoFrame() = 0;
    virtual void ExcluiPeriodoFrame() = 0;
    virtual void CancelaOperacaoFrame() = 0;
    // The quadro's period dates, newest first, distinct.
    virtual QList<QDate> PreparaQueryComboPeriodo() = 0;
    virtual void HabilitaPeriodoFrame(bool habilita) = 0;
    virtual bool CriticaDados() { return true; }
    virtual bool CriticaAmbos() { return true; }
    virtual bool CriticaCancelar() { return true; }

    // --- helpers for quadros ---------------------------------------------------
    void setTipoPeriodo(TipoPeriodo tipo);
    // Period list again, keeping `manter` selected when it is still listed.
    void CarregaPeriodos(const QDate &manter = {});
    // The start date of the period being created (set before Inclui/CopiaPeriodoFrame).
    QDate NovaData() const { return m_novaData; }
    // The usual rule: delete only the newest of more than one period; edit older ones after asking.
    void habilitaBotoesPeriodo(bool podeExcluir, bool podeEditar);
    QWidget *areaConteudo() const { return m_conteudo; }
    ContextoQuadro &contexto() { return m_contexto; }
    // Runs a quadro operation; an error is shown and the quadro stays open.
    bool executarProtegido(const std::function<void()> &operacao);

    void tituloDefinido() override { atualizaImpressao(); }

private:
    void atualizaImpressao();
    void cbxPeriodoActivated(int indice);
    void posicionarBotoes();

    ContextoQuadro &m_contexto;
    TipoPeriodo m_tipoPeriodo = TipoPeriodo::Intervalo;
    QList<QDate> m_datas;
    QDate m_novaData;
    bool m_ocultaCancelar = false;
    int m_indiceAnterior = -1;

    QWidget *m_painelPeriodo = nullptr;
    QGroupBox *m_gbxPeriodo = nullptr;
    QComboBox *m_cbxPeriodo = nullptr;
    QToolButton *m_btnIncluiPeriodo = nullptr;
    QToolButton *m_btnExcluiPeriodo = nullptr;
    QToolButton *m_btnEditaPeriodo = nullptr;
    QWidget *m_conteudo = nullptr;
    QWidget *m_pnlBotoes = nullptr;
    QPushButton *m_btnConfirmar = nullptr;
    QPushButton *m_btnDesfaz = nullptr;
    QPushButton *m_btnImprimir = nullptr;
    QString m_chaveImpressao;
};

} // namespace kelpa
